#pragma once
// Log tables for the tests, built the way a host logger stores its contacts,
// in whichever Qt SQL database the test opened.

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <vector>

namespace q9xtest {

// One contact row; a null QVariant is a database NULL.
struct LogEntry {
  QVariant CallSign;
  QVariant DigiBand = QStringLiteral("7");
  QVariant QSOMode = QStringLiteral("RTTY");
  QVariant QSOReportRecived = QStringLiteral("599 AB");
  QVariant MainPrefix = QStringLiteral("UA3A");
  QVariant DXCCPrefix = QStringLiteral("UA3A");
  QVariant Continent = QStringLiteral("EU");
};

// Creates a temporary table with the seven log columns and an Id, seen only
// through this connection (so test programs running in parallel on one server
// never meet), and fills it. callSignType is the CallSign column's type, with
// its collation where the test needs one.
void createLogTable(QSqlDatabase db, const QString& table, const std::vector<LogEntry>& rows = {},
                    const QString& callSignType = QStringLiteral("text"));

// Appends one row to a table createLogTable made.
void addLogRow(QSqlDatabase db, const QString& table, const LogEntry& row);

// Runs a statement of the test's own; fails the test with the database's text.
void execute(QSqlDatabase db, const QString& statement);

// The default Qt SQL connection with an empty log table "Log" in memory, for
// the rest of the program, unless the default connection exists already.
void ensureEmptyLog();

// An empty log table "Log" in a new in-memory database on the default Qt SQL
// connection, for the life of the object.
class EmptyLog {
 public:
  EmptyLog();
  ~EmptyLog();
  EmptyLog(const EmptyLog&) = delete;
  EmptyLog& operator=(const EmptyLog&) = delete;
};

}  // namespace q9xtest
