#pragma once
// The log query over the host's Qt SQL connection that logConnectionName
// names. The query streams forward only and reads every column as text.
// An SQLite or PostgreSQL log is read through the connection's own native
// handle when that is safe, with the same rows, texts and errors as through
// Qt SQL.

#include <QSqlQuery>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/LogReader.h"
#include "platform/LocalText.h"
#include "platform/LogColumns.h"

namespace q9x {

class SqliteLogScan;
class PostgresLogScan;

class QtSqlLogQuery final : public LogReader {
 public:
  enum class Reading { Fastest, QtSqlOnly };

  explicit QtSqlLogQuery(std::int32_t connection, Reading reading = Reading::Fastest);
  ~QtSqlLogQuery() override;

  // Runs "Select * from <table> order by CallSign". Throws std::runtime_error
  // with the database's text. The columns are found when the first row is
  // read: next() throws "LogQuery: Field 'NAME' not found" for a missing one,
  // after reading the fields before it.
  void open(const std::string& tableName) override;
  void resumeAfterEvents() override {}
  void close() override;
  bool isOpen() const;

  bool next(LogRow& row) override;

  // Whether the query last opened reads the connection's native handle.
  bool readsNatively() const { return readsNatively_; }

 private:
  void readText(const QVariant& value, std::string& into);

  QString connectionName_;
  Reading reading_;
  // Empty while closed: a default-constructed QSqlQuery would quietly hold on
  // to the host's default connection.
  std::optional<QSqlQuery> query_;
  std::unique_ptr<SqliteLogScan> native_;
  std::unique_ptr<PostgresLogScan> postgres_;
  bool readsNatively_ = false;
  std::optional<LogColumns> columns_;
  LocalText local_;
};

}  // namespace q9x
