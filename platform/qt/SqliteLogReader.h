#pragma once
// The log read over the native handle of the host's QSQLITE connection: the
// same statement on the same connection as through Qt SQL, read straight
// from SQLite's own text, without Qt SQL's UTF-16 copy of every column. Every
// value comes out byte for byte as Qt SQL would hand it over, and every error
// with Qt SQL's text.

#include <QSqlDatabase>
#include <memory>
#include <optional>
#include <string>

#include "platform/qt/ConnectionLogReader.h"
#include "platform/qt/LocalText.h"
#include "platform/qt/LogColumns.h"
#include "platform/qt/SqliteApi.h"

namespace q9x {

class SqliteLogReader final : public ConnectionLogReader {
 public:
  // Whether the connection may be read natively now: QSQLITE, this
  // thread's, a handle naming the connection's file, numbers read in Qt
  // SQL's default precision, and SQLite reachable.
  static bool canRead(const QSqlDatabase& db);

  using ConnectionLogReader::ConnectionLogReader;
  ~SqliteLogReader() override;

 private:
  void run(const QSqlDatabase& db, const QString& statement) override;
  bool read(LogRow& row) override;
  void release() override;
  void readRow(LogRow& row);
  void readValue(int column, std::string& into);
  [[noreturn]] void throwError(const char* what);

  std::unique_ptr<SqliteLibrary> library_;
  const SqliteApi* api_ = nullptr;
  sqlite3* handle_ = nullptr;
  sqlite3_stmt* statement_ = nullptr;
  bool rowPending_ = false;  // the first row, stepped to when the statement ran
  std::optional<LogColumns> columns_;
  LocalText local_;
};

}  // namespace q9x
