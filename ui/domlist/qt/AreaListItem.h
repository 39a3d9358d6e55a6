#pragma once
// An entry of the area list: one item of the area list's values, its caption
// decoded for display. Items sort by their place in those values, which are
// already in caption order.

#include <QList>
#include <QListWidgetItem>
#include <cstddef>
#include <string>
#include <vector>

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

// The user's locale order of captions given in the host's 8-bit text,
// letter case counting.
class LocaleCaptionOrder : public CaptionOrder {
 public:
  void take(const std::vector<std::string>& captions) override;
  int compare(std::size_t a, std::size_t b) const override;
  // A caption taken, decoded for display.
  const QString& caption(std::size_t number) const { return captions_[number]; }

 private:
  std::vector<QString> captions_;
};

// The list's entries for the area list's values, in their order, with the
// captions as the order that sorted them decoded them. The caller owns them.
QList<QListWidgetItem*> areaListItems(const AreaListView& view, const LocaleCaptionOrder& order);

}  // namespace q9x
