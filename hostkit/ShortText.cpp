#include "hostkit/ShortText.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace q9xkit {

std::string_view readShort(const TShortString& field)
{
  return {reinterpret_cast<const char*>(field + 1), field[0]};
}

void writeShort(TShortString& field, std::string_view text)
{
  const std::size_t length = std::min<std::size_t>(text.size(), Q9X_SHORT_STRING_SIZE - 1);
  field[0] = static_cast<unsigned char>(length);
  std::memcpy(field + 1, text.data(), length);
}

QString readShortText(const TShortString& field)
{
  const std::string_view bytes = readShort(field);
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void writeShortText(TShortString& field, const QString& text)
{
  const QByteArray bytes = text.toLocal8Bit();
  writeShort(field, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace q9xkit
