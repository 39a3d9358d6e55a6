#include "platform/qt/QtSqlLogReader.h"

#include <QSqlError>
#include <QSqlRecord>

#include "platform/qt/SqlErrorText.h"

namespace q9x {

void QtSqlLogReader::run(const QSqlDatabase& db, const QString& statement)
{
  query_.emplace(db);
  query_->setForwardOnly(true);
  if (!query_->exec(statement)) throw sqlErrorText(query_->lastError(), "The log query failed");
}

void QtSqlLogReader::release()
{
  query_.reset();
  columns_.reset();
}

void QtSqlLogReader::readText(const QVariant& value, std::string& into)
{
  if (value.isNull())
    into.clear();
  else
    local_.assign(value.toString(), into);
}

bool QtSqlLogReader::read(LogRow& row)
{
  if (!query_ || !query_->isActive()) return false;
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
