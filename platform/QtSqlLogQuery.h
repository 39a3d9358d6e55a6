#pragma once
// The log query over the host's Qt SQL connection. Connection 0 is the host's
// default connection; any other number names the connection of that decimal
// name. The query streams forward only and reads every column as text.

#include <QSqlQuery>
#include <QStringEncoder>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/LogScan.h"

namespace q9x {

class QtSqlLogQuery final : public LogSource {
 public:
  explicit QtSqlLogQuery(std::int32_t connection);

  // Runs "Select * from <table> order by CallSign" and finds the columns.
  // Throws std::runtime_error with the database's text, or with
  // "LogQuery: Field 'NAME' not found" for a missing column.
  void open(const std::string& tableName);
  void close();
  bool isOpen() const { return query_ && query_->isActive(); }

  bool next(LogRow& row) override;

  static std::string statementFor(const std::string& tableName);

 private:
  void readText(const QVariant& value, std::string& into);

  QString connectionName_;
  // Empty while closed: a default-constructed QSqlQuery would quietly hold on
  // to the host's default connection.
  std::optional<QSqlQuery> query_;
  std::array<int, 7> columns_{};
  // The local 8-bit encoding, as QString::toLocal8Bit uses it.
  QStringEncoder encoder_{QStringConverter::System, QStringConverter::Flag::Stateless};
};

}  // namespace q9x
