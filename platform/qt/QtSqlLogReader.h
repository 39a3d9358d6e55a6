#pragma once
// The log read through Qt SQL itself: any driver, every column as text
// through QVariant. The reading every other one must match.

#include <QSqlQuery>
#include <optional>

#include "platform/qt/ConnectionLogReader.h"
#include "platform/qt/LocalText.h"
#include "platform/qt/LogColumns.h"

namespace q9x {

class QtSqlLogReader final : public ConnectionLogReader {
 public:
  using ConnectionLogReader::ConnectionLogReader;

 private:
  void run(const QSqlDatabase& db, const QString& statement) override;
  bool read(LogRow& row) override;
  void release() override;
  void readText(const QVariant& value, std::string& into);

  // Empty while nothing runs: a default-constructed QSqlQuery would quietly
  // hold on to the host's default connection.
  std::optional<QSqlQuery> query_;
  std::optional<LogColumns> columns_;
  LocalText local_;
};

}  // namespace q9x
