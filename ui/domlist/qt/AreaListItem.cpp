#include "ui/domlist/qt/AreaListItem.h"

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

void LocaleCaptionOrder::take(const std::vector<std::string>& captions)
{
  captions_.clear();
  captions_.reserve(captions.size());
  for (const std::string& caption : captions) captions_.push_back(decoded(caption));
}

int LocaleCaptionOrder::compare(std::size_t a, std::size_t b) const
{
  return QString::localeAwareCompare(captions_[a], captions_[b]);
}

QList<QListWidgetItem*> areaListItems(const AreaListView& view, const LocaleCaptionOrder& order)
{
  // Area files repeat few codes many times: the items of one code share its
  // decoded caption.
  QList<QListWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(view.size()));
  for (std::size_t i = 0; i < view.size(); ++i)
    items.append(new AreaListItem(order.caption(view.captionNumber(i)), i));
  return items;
}

}  // namespace q9x
