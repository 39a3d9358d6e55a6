#pragma once
// The host's contest log: a table in a Qt SQL database, opened under the
// connection name the plug-in finds from the record's Connection number.

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QList>
#include <QPair>
#include <cstdint>
#include <stdexcept>
#include <vector>

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

// A contact as the log keeps it; answer is empty where the host did not log it.
struct LoggedContact {
  QString date;
  QString time;
  QString frequency;
  ContactFields fields;
  QString answer;
};

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
  // date and time, with what the plug-in answered for it.
  void addContact(const ContactFields& contact, const QDateTime& utc, int answer);

  // Writes one row of named columns; columns the table lacks are left out.
  void addRow(const QList<QPair<QString, QString>>& values);

  // Every contact of the log in the order it was made (date and time).
  std::vector<LoggedContact> contacts() const;

  // False for a log whose table could not take the answer column.
  bool keepsAnswers() const { return !column(kAnswerColumn).isEmpty(); }

  qint64 rowCount() const;

  // The column where the host keeps what _AddQSO answered for a contact:
  // its points, or -1 for a repeat the plug-in refused.
  static constexpr const char* kAnswerColumn = "QSOPoints";

 private:
  void createTable();
  void addAnswerColumn();

  QString connectionName_;
  QString table_;
  QStringList columns_;
};

}  // namespace q9xhost
