#include "ui/domlist/AreaItemPainter.h"

#include <QListWidget>

#include "ui/domlist/AreaListItem.h"
#include "ui/domlist/domlist.h"

namespace q9x {

AreaItemPainter::AreaItemPainter(const TfmDomList& window, QObject* parent)
    : QStyledItemDelegate(parent), window_(window)
{
}

QSize AreaItemPainter::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
  QStyleOptionViewItem bold(option);
  bold.font.setBold(true);
  return QStyledItemDelegate::sizeHint(bold, index);
}

void AreaItemPainter::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
  QStyledItemDelegate::initStyleOption(option, index);
  const auto* list = qobject_cast<const QListWidget*>(option->widget);
  const auto* item = list ? dynamic_cast<const AreaListItem*>(list->item(index.row())) : nullptr;
  if (!item) return;

  const AreaMark mark = window_.LV1CustomDrawItem(item->code());
  if (mark == AreaMark::OwnFont) return;
  const QColor colour = mark == AreaMark::Marked ? QColor(255, 0, 0) : QColor(0, 0, 0);
  option->palette.setColor(QPalette::All, QPalette::Text, colour);
  if (mark == AreaMark::Marked) option->font.setBold(true);
}

}  // namespace q9x
