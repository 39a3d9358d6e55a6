#pragma once
// A log scan over the native handle of the host's QSQLITE connection: the
// same statement on the same connection as the Qt SQL path, read straight
// from SQLite's own text, without Qt SQL's UTF-16 copy of every column. Every
// value comes out byte for byte as Qt SQL would hand it over, and every error
// with Qt SQL's text.

#include <QPointer>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <memory>
#include <optional>
#include <string>

#include "engine/LogScan.h"
#include "platform/LocalText.h"
#include "platform/LogColumns.h"
#include "platform/SqliteApi.h"

namespace q9x {

class SqliteLogScan {
 public:
  // A scan of the connection, or null when it may not be read natively: not
  // QSQLITE, another thread's, a handle of another kind or naming another
  // file, numbers read in another precision, or SQLite not reachable.
  static std::unique_ptr<SqliteLogScan> of(const QSqlDatabase& db, const QString& connectionName);
  // Runs the statement up to its first row, as Qt SQL does when a query is
  // executed. Throws std::runtime_error with Qt SQL's text when it fails.
  void open(const QString& statement);
  ~SqliteLogScan();
  SqliteLogScan(const SqliteLogScan&) = delete;
  SqliteLogScan& operator=(const SqliteLogScan&) = delete;

  // The next row's seven texts; false at the end. Throws on a database error
  // or a missing column (after reading the columns before it).
  bool next(LogRow& row);

 private:
  SqliteLogScan(std::unique_ptr<SqliteLibrary> library, QSqlDriver* driver, sqlite3* handle,
                const QString& connectionName);
  bool stillTheConnection() const;
  void readRow(LogRow& row);
  void readValue(int column, std::string& into);
  [[noreturn]] void throwError(const char* what);
  void finish();

  std::unique_ptr<SqliteLibrary> library_;
  const SqliteApi& api_;
  QPointer<QSqlDriver> driver_;
  sqlite3* handle_;
  QString connectionName_;
  sqlite3_stmt* statement_ = nullptr;
  bool rowPending_ = false;    // the first row, stepped to when the query opened
  bool checked_ = false;       // the connection re-checked after the query opened
  bool lost_ = false;          // the host closed the connection under the scan
  std::optional<LogColumns> columns_;
  LocalText local_;
  bool localIsUtf8_;
};

}  // namespace q9x
