#pragma once
// Which of the host's Qt SQL connections holds its log. The host and the
// plug-in must agree on it, so the reference host uses this rule too.

#include <QSqlDatabase>
#include <QString>
#include <cstdint>

namespace q9x {

// Connection 0 is the host's default connection; any other number names the
// connection of that decimal name.
inline QString logConnectionName(std::int32_t connection)
{
  return connection == 0 ? QString::fromLatin1(QSqlDatabase::defaultConnection)
                         : QString::number(connection);
}

}  // namespace q9x
