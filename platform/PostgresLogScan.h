#pragma once
// A log scan over the native connection of the host's QPSQL connection: the
// same statement on the same connection as the Qt SQL path, streamed a row at
// a time, read straight from libpq's text without Qt SQL's QVariant and
// QString per column. Only results whose seven columns are all of a type that
// Qt SQL hands over as the server's own text are read this way; the rows,
// texts and errors come out as through Qt SQL.

#include <QPointer>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <array>
#include <memory>
#include <string>

#include "engine/LogScan.h"
#include "platform/LibpqApi.h"
#include "platform/LocalText.h"
#include "platform/LogColumns.h"

namespace q9x {

class PostgresLogScan {
 public:
  // A scan of the connection, or null when it may not be read natively: not
  // QPSQL, another thread's, not idle (a transaction block or a result still
  // being read), a client encoding other than UTF-8, or libpq not reachable.
  static std::unique_ptr<PostgresLogScan> of(const QSqlDatabase& db, const QString& connectionName);
  // Runs the statement up to its first row, as Qt SQL does when a query is
  // executed. False, with nothing left pending on the connection, when the
  // statement must go the Qt SQL way: it fails, lacks one of the columns or
  // has one of a type whose text Qt SQL would convert.
  bool open(const QString& statement);
  ~PostgresLogScan();
  PostgresLogScan(const PostgresLogScan&) = delete;
  PostgresLogScan& operator=(const PostgresLogScan&) = delete;

  // The next row's seven texts; false at the end. Throws on a database error.
  bool next(LogRow& row);

 private:
  PostgresLogScan(std::unique_ptr<LibpqLibrary> library, QSqlDriver* driver, PGconn* handle,
                  const QString& connectionName);
  bool findColumns(const PGresult* description);
  bool stillTheConnection() const;
  void readRow(LogRow& row);
  [[noreturn]] void throwError(PGconn* connection);
  void finish();

  std::unique_ptr<LibpqLibrary> library_;
  const LibpqApi& api_;
  QPointer<QSqlDriver> driver_;
  PGconn* handle_;
  int backendPid_;
  QString connectionName_;
  PGresult* result_ = nullptr;  // the row read last
  bool pending_ = false;        // results of the statement still on the connection
  bool rowPending_ = false;     // the first row, fetched when the query opened
  bool checked_ = false;        // the connection re-checked after the query opened
  bool lost_ = false;           // the host closed or reopened the connection
  std::array<int, LogColumns::kCount> positions_{};
  LocalText local_;
  bool localIsUtf8_;
};

}  // namespace q9x
