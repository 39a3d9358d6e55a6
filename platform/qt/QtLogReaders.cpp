#include "platform/qt/QtLogReaders.h"

#include "platform/qt/PostgresLogReader.h"
#include "platform/qt/QtSqlLogReader.h"
#include "platform/qt/SqliteLogReader.h"

namespace q9x {

QtLogReader::~QtLogReader() = default;

void QtLogReader::run(const QSqlDatabase& db, const QString& statement)
{
  readsNatively_ = true;
  if (SqliteLogReader::canRead(db)) {
    reading_ = std::make_unique<SqliteLogReader>(connection());
  } else if (PostgresLogReader::canRead(db, statement)) {
    reading_ = std::make_unique<PostgresLogReader>(connection());
  } else {
    reading_ = std::make_unique<QtSqlLogReader>(connection());
    readsNatively_ = false;
  }
  reading_->run(db, statement);
}

bool QtLogReader::read(LogRow& row) { return reading_->read(row); }

void QtLogReader::release() { reading_.reset(); }

std::unique_ptr<LogReader> makeQtLogReader(std::int32_t connection)
{
  return std::make_unique<QtLogReader>(connection);
}

}  // namespace q9x
