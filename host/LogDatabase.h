#pragma once
// The host's contest log: a table in a Qt SQL database, opened under the
// connection name the plug-in finds from the record's Connection number.

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>

#include "host/HostRecord.h"

namespace q9xhost {

struct DatabaseOptions {
  QString driver = QStringLiteral("QSQLITE");
  QString databaseName;
  QString host;
  int port = -1;
  QString user;
  QString password;
};

struct DatabaseError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The plug-in puts the table name into its statement as it is, so only plain
// names (letters, digits, _; optionally schema.table) are accepted.
bool isPlainTableName(const QString& name);

// The Qt SQL connection name for a Connection number: 0 is the default
// connection, any other number the connection named by it in decimal.
QString connectionName(std::int32_t connection);

class LogDatabase {
 public:
  // Opens the database and creates the log table with the contest's columns
  // when it does not exist. Throws DatabaseError.
  LogDatabase(const DatabaseOptions& options, std::int32_t connection, const QString& table);
  ~LogDatabase();
  LogDatabase(const LogDatabase&) = delete;
  LogDatabase& operator=(const LogDatabase&) = delete;

  QSqlDatabase database() const;
  const QString& table() const { return table_; }

  // The table's column that a name means, ignoring letter case (servers fold
  // unquoted names); empty when the table has no such column.
  QString column(const QString& name) const;

  // A prepared insert of the given table columns, bound in that order.
  QSqlQuery prepareInsert(const QStringList& columns) const;

  // Writes one contact, stamped with the given UTC time where the table keeps
  // date and time.
  void addContact(const ContactFields& contact, const QDateTime& utc);

  qint64 rowCount() const;

 private:
  void createTable();

  QString connectionName_;
  QString table_;
  QStringList columns_;
};

}  // namespace q9xhost
