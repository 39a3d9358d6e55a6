#include "ui/domlist/AreaListItem.h"

#include <QHash>

namespace q9x {

namespace {
QString decoded(const std::string& text)
{
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

AreaListItem::AreaListItem(const QString& caption, std::size_t item)
    : QListWidgetItem(caption, nullptr, QListWidgetItem::UserType), item_(item)
{
}

bool AreaListItem::operator<(const QListWidgetItem& other) const
{
  // Any other item sorts after the area list's.
  const auto* area = dynamic_cast<const AreaListItem*>(&other);
  return !area || item_ < area->item_;
}

int localeCaptionOrder(const std::string& a, const std::string& b)
{
  return QString::localeAwareCompare(decoded(a), decoded(b));
}

QList<QListWidgetItem*> areaListItems(const AreaListView& view)
{
  // Area files repeat few codes many times: each is decoded once and its
  // caption shared among its items.
  QHash<QByteArrayView, QString> captions;
  QList<QListWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(view.size()));
  for (std::size_t i = 0; i < view.size(); ++i) {
    const std::string& code = view.caption(i);
    auto at = captions.find(QByteArrayView(code.data(), static_cast<qsizetype>(code.size())));
    if (at == captions.end())
      at = captions.insert(QByteArrayView(code.data(), static_cast<qsizetype>(code.size())), decoded(code));
    items.append(new AreaListItem(*at, i));
  }
  return items;
}

}  // namespace q9x
