#pragma once
// An entry of the area list: one item of the area list's values, its caption
// decoded for display. Items sort by their place in those values, which are
// already in caption order.

#include <QList>
#include <QListWidgetItem>
#include <cstddef>
#include <string>

#include "ui/domlist/AreaListView.h"

namespace q9x {

class AreaListItem : public QListWidgetItem {
 public:
  AreaListItem(const QString& caption, std::size_t item);

  // The item's number in the area list's values.
  std::size_t item() const { return item_; }
  bool operator<(const QListWidgetItem& other) const override;

 private:
  std::size_t item_;
};

// The user's locale order of two captions given in the host's 8-bit text,
// letter case counting.
int localeCaptionOrder(const std::string& a, const std::string& b);

// The list's entries for the area list's values, in their order. The caller
// owns them.
QList<QListWidgetItem*> areaListItems(const AreaListView& view);

}  // namespace q9x
