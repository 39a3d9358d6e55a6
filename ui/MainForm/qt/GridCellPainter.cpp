#include "ui/MainForm/qt/GridCellPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace q9x {

int centredTextLeft(const QRect& cell, int textWidth)
{
  // The cell's right edge is exclusive here, so its width is the distance
  // from left to right.
  return cell.left() + cell.width() / 2 - textWidth / 2;
}

GridCellPainter::GridCellPainter(QColor gridColour, QObject* parent)
    : QStyledItemDelegate(parent), gridColour_(gridColour)
{
}

void GridCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
  // The grid takes no input, so it is always disabled; its figures must
  // still read as ordinary black text, hence the active colours.
  const QPalette& palette = option.widget ? option.widget->palette() : option.palette;
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QColor background = selected ? palette.color(QPalette::Active, QPalette::Highlight) : gridColour_;
  const QColor text = palette.color(QPalette::Active,
                                    selected ? QPalette::HighlightedText : QPalette::WindowText);

  const QRect r = option.rect;
  const QString caption = index.data(Qt::DisplayRole).toString();
  const QFontMetrics metrics(option.font);

  painter->save();
  painter->fillRect(r, background);
  painter->setFont(option.font);
  painter->setPen(text);
  // Drawn at a point, not into the cell's rectangle: a figure wider than its
  // cell runs on rather than being cut.
  painter->drawText(QPoint(centredTextLeft(r, metrics.horizontalAdvance(caption)), r.top() + metrics.ascent()),
                    caption);
  painter->restore();
}

}  // namespace q9x
