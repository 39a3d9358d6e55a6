#pragma once
// Draws every cell of the statistics grid: the figure centred horizontally on
// the cell and set at its top edge, on the grid colour or, inside the
// selection, on the highlight colours.

#include <QColor>
#include <QRect>
#include <QStyledItemDelegate>

namespace q9x {

// Left edge of a text w pixels wide centred on the cell: half the cell's width
// less half the text's, each halved on its own with the remainder dropped, so
// the figures line up exactly as the operator is used to seeing them.
int centredTextLeft(const QRect& cell, int textWidth);

class GridCellPainter : public QStyledItemDelegate {
 public:
  GridCellPainter(QColor gridColour, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  QColor gridColour_;
};

}  // namespace q9x
