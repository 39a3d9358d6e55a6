#include "host/ShortText.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace q9xhost {

QString readShortText(const TShortString& field)
{
  return QString::fromLocal8Bit(reinterpret_cast<const char*>(field + 1), field[0]);
}

void writeShortText(TShortString& field, const QString& text)
{
  const QByteArray bytes = text.toLocal8Bit();
  const auto length = static_cast<unsigned char>(std::min<qsizetype>(bytes.size(), 255));
  field[0] = length;
  std::memcpy(field + 1, bytes.constData(), length);
}

}  // namespace q9xhost
