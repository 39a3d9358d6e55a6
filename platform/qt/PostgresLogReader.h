#pragma once
// The log read over the native connection of the host's QPSQL connection:
// the same statement on the same connection as through Qt SQL, streamed a
// row at a time, read straight from libpq's text without Qt SQL's QVariant
// and QString per column. Only results whose seven columns are all of a type
// that Qt SQL hands over as the server's own text are read this way; the
// rows, texts and errors come out as through Qt SQL.

#include <QSqlDatabase>
#include <array>
#include <memory>
#include <string>

#include "platform/qt/ConnectionLogReader.h"
#include "platform/qt/LibpqApi.h"
#include "platform/qt/LocalText.h"
#include "platform/qt/LogColumns.h"

namespace q9x {

class PostgresLogReader final : public ConnectionLogReader {
 public:
  // Whether the statement may be read natively on the connection now: QPSQL,
  // this thread's, idle (not in the host's transaction block), UTF-8, libpq
  // reachable, and the statement's columns, as the server describes them
  // without running it, all present and of a type Qt SQL hands over as text.
  // A statement the server refuses is left to Qt SQL, which words the error.
  static bool canRead(const QSqlDatabase& db, const QString& statement);

  using ConnectionLogReader::ConnectionLogReader;
  ~PostgresLogReader() override;

 private:
  void run(const QSqlDatabase& db, const QString& statement) override;
  bool read(LogRow& row) override;
  void release() override;
  void readRow(LogRow& row);
  [[noreturn]] void throwError(const char* what);

  std::unique_ptr<LibpqLibrary> library_;
  const LibpqApi* api_ = nullptr;
  PGconn* handle_ = nullptr;
  PGresult* result_ = nullptr;  // the row read last
  bool pending_ = false;        // results of the statement still on the connection
  bool rowPending_ = false;     // the first row, fetched when the statement ran
  std::array<int, LogColumns::kCount> positions_{};
  LocalText local_;
};

}  // namespace q9x
