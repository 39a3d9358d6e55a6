#include "ui/domlist/qt/AreaItemPainter.h"

#include <QListWidget>

#include "ui/domlist/qt/AreaListItem.h"
#include "ui/domlist/qt/domlist.h"

namespace q9x {

AreaItemPainter::AreaItemPainter(TfmDomList& window, QObject* parent)
    : QStyledItemDelegate(parent), window_(window)
{
}

QSize AreaItemPainter::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
  if (option.font != sizesFont_) {
    sizes_.clear();
    sizesFont_ = option.font;
  }
  const QString caption = index.data(Qt::DisplayRole).toString();
  if (auto known = sizes_.constFind(caption); known != sizes_.constEnd()) return *known;
  QStyleOptionViewItem bold(option);
  bold.font.setBold(true);
  const QSize size = QStyledItemDelegate::sizeHint(bold, index);
  sizes_.insert(caption, size);
  return size;
}

void AreaItemPainter::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
  QStyledItemDelegate::initStyleOption(option, index);
  const auto* list = qobject_cast<const QListWidget*>(option->widget);
  const auto* item = list ? dynamic_cast<const AreaListItem*>(list->item(index.row())) : nullptr;
  if (!item) return;

  const AreaMark mark = window_.LV1CustomDrawItem(item->item());
  if (mark == AreaMark::OwnFont) return;
  const QColor colour = mark == AreaMark::Marked ? QColor(255, 0, 0) : QColor(0, 0, 0);
  option->palette.setColor(QPalette::All, QPalette::Text, colour);
  if (mark == AreaMark::Marked) option->font.setBold(true);
}

}  // namespace q9x
