#pragma once
// An entry of the area list: shows a code decoded for display, keeps the
// code's original bytes for matching against the worked keys, and sorts in
// the user's locale order, letter case counting.

#include <QList>
#include <QListWidgetItem>
#include <string>
#include <vector>

namespace q9x {

class AreaListItem : public QListWidgetItem {
 public:
  explicit AreaListItem(const std::string& code);

  const std::string& code() const { return code_; }
  bool operator<(const QListWidgetItem& other) const override;

 private:
  std::string code_;
};

// The items the area window lists for these codes (one per listing line of
// the area file), already in list order: ascending by caption as operator<
// compares them, equal captions in file order. The caller owns them.
QList<QListWidgetItem*> areaListItems(const std::vector<std::string>& listedCodes);

}  // namespace q9x
