#include "platform/QtSqlLogQuery.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <stdexcept>

#include "platform/LogConnection.h"
#include "platform/PostgresLogScan.h"
#include "platform/SqlErrorText.h"
#include "platform/SqliteLogScan.h"

namespace q9x {

QtSqlLogQuery::QtSqlLogQuery(std::int32_t connection, Reading reading)
    : connectionName_(logConnectionName(connection)),
      reading_(reading)
{
}

QtSqlLogQuery::~QtSqlLogQuery() = default;

void QtSqlLogQuery::open(const std::string& tableName)
{
  close();
  QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
  if (!db.isValid())
    throw std::runtime_error(
        ("Database connection '" + connectionName_ + "' does not exist").toLocal8Bit().toStdString());
  if (!db.isOpen()) {
    const QString fallback = "Database connection '" + connectionName_ + "' is not open";
    throw sqlErrorText(db.lastError(), fallback.toLocal8Bit().constData());
  }

  const QString statement = QString::fromLocal8Bit(logStatement(tableName));
  if (reading_ == Reading::Fastest) {
    native_ = SqliteLogScan::of(db, connectionName_);
    readsNatively_ = native_ != nullptr;
    if (native_) {
      native_->open(statement);
      return;
    }
    postgres_ = PostgresLogScan::of(db, connectionName_);
    if (postgres_ && postgres_->open(statement)) {
      readsNatively_ = true;
      return;
    }
    postgres_.reset();
  }
  query_.emplace(db);
  query_->setForwardOnly(true);
  if (!query_->exec(statement)) throw sqlErrorText(query_->lastError(), "The log query failed");
}

void QtSqlLogQuery::close()
{
  native_.reset();
  postgres_.reset();
  query_.reset();
  columns_.reset();
  readsNatively_ = false;
}

bool QtSqlLogQuery::isOpen() const { return native_ || postgres_ || (query_ && query_->isActive()); }

void QtSqlLogQuery::readText(const QVariant& value, std::string& into)
{
  if (value.isNull())
    into.clear();
  else
    local_.assign(value.toString(), into);
}

bool QtSqlLogQuery::next(LogRow& row)
{
  if (native_) return native_->next(row);
  if (postgres_) return postgres_->next(row);
  if (!isOpen()) return false;
  if (!query_->next()) {
    if (query_->lastError().isValid()) throw sqlErrorText(query_->lastError(), "Reading the log failed");
    return false;
  }
  if (!columns_) columns_.emplace(query_->record());
  for (std::size_t i = 0; i < columns_->readable(); ++i)
    readText(query_->value(columns_->position(i)), LogColumns::field(row, i));
  if (columns_->readable() < LogColumns::kCount) columns_->throwMissing();
  return true;
}

}  // namespace q9x
