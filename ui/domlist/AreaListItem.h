#pragma once
// An entry of the area list: shows a code decoded for display, keeps the
// code's original bytes for matching against the worked keys, and sorts in
// the user's locale order, letter case counting.

#include <QListWidgetItem>
#include <string>

namespace q9x {

class AreaListItem : public QListWidgetItem {
 public:
  explicit AreaListItem(const std::string& code);

  const std::string& code() const { return code_; }
  bool operator<(const QListWidgetItem& other) const override;

 private:
  std::string code_;
};

}  // namespace q9x
