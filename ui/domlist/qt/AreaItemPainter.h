#pragma once
// Draws each entry of the area list in the look the area window chooses for
// it at that moment: red bold when worked on the selected band.

#include <QFont>
#include <QHash>
#include <QString>
#include <QStyledItemDelegate>

namespace q9x {

class TfmDomList;

class AreaItemPainter : public QStyledItemDelegate {
 public:
  AreaItemPainter(TfmDomList& window, QObject* parent);

  // Room for the bold look, so a code that becomes marked is not cut.
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  TfmDomList& window_;
  // Laying the list out asks every item for its size, and measuring text is
  // slow: a long area file repeats few codes, each measured once per font.
  mutable QHash<QString, QSize> sizes_;
  mutable QFont sizesFont_;
};

}  // namespace q9x
