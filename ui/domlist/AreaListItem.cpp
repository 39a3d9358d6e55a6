#include "ui/domlist/AreaListItem.h"

namespace q9x {

AreaListItem::AreaListItem(const std::string& code)
    : QListWidgetItem(QString::fromLocal8Bit(code.data(), static_cast<qsizetype>(code.size())),
                      nullptr, QListWidgetItem::UserType),
      code_(code)
{
}

bool AreaListItem::operator<(const QListWidgetItem& other) const
{
  return QString::localeAwareCompare(text(), other.text()) < 0;
}

}  // namespace q9x
