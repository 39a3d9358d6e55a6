#pragma once
// The text a user sees for a Qt SQL error.

#include <QSqlError>
#include <stdexcept>

namespace q9x {

inline std::runtime_error sqlErrorText(const QSqlError& error, const char* fallback)
{
  const QString text = error.text().trimmed();
  return std::runtime_error((text.isEmpty() ? QString::fromLatin1(fallback) : text).toLocal8Bit().toStdString());
}

}  // namespace q9x
