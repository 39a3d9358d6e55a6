#include "platform/QtSqlLogQuery.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <stdexcept>

namespace q9x {

namespace {
// The columns in the order the scan reads them, matching LogRow's members.
constexpr std::array<const char*, 7> kColumns = {
    "QSOReportRecived", "DXCCPrefix", "MainPrefix", "CallSign", "DigiBand", "QSOMode", "Continent"};

std::runtime_error databaseError(const QSqlError& error, const QString& fallback)
{
  QString text = error.text().trimmed();
  return std::runtime_error((text.isEmpty() ? fallback : text).toLocal8Bit().toStdString());
}
}  // namespace

QtSqlLogQuery::QtSqlLogQuery(std::int32_t connection)
    : connectionName_(connection == 0 ? QString::fromLatin1(QSqlDatabase::defaultConnection)
                                      : QString::number(connection))
{
}

std::string QtSqlLogQuery::statementFor(const std::string& tableName)
{
  return "Select * from " + tableName + " order by CallSign";
}

void QtSqlLogQuery::open(const std::string& tableName)
{
  close();
  QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
  if (!db.isValid())
    throw std::runtime_error(
        ("Database connection '" + connectionName_ + "' does not exist").toLocal8Bit().toStdString());
  if (!db.isOpen())
    throw databaseError(db.lastError(),
                        "Database connection '" + connectionName_ + "' is not open");

  query_.emplace(db);
  query_->setForwardOnly(true);
  if (!query_->exec(QString::fromLocal8Bit(statementFor(tableName))))
    throw databaseError(query_->lastError(), "The log query failed");

  const QSqlRecord record = query_->record();
  for (std::size_t i = 0; i < kColumns.size(); ++i) {
    columns_[i] = record.indexOf(QLatin1String(kColumns[i]));
    if (columns_[i] < 0)
      throw std::runtime_error(std::string("LogQuery: Field '") + kColumns[i] + "' not found");
  }
}

void QtSqlLogQuery::close()
{
  query_.reset();
}

// Converts a column's value into the host's 8-bit text inside the row's own
// buffer, so a long scan does not allocate a byte array per value.
void QtSqlLogQuery::readText(const QVariant& value, std::string& into)
{
  if (value.isNull()) {
    into.clear();
    return;
  }
  const QString text = value.toString();
  into.resize(static_cast<std::size_t>(encoder_.requiredSpace(text.size())));
  char* end = encoder_.appendToBuffer(into.data(), text);
  into.resize(static_cast<std::size_t>(end - into.data()));
}

bool QtSqlLogQuery::next(LogRow& row)
{
  if (!isOpen()) return false;
  if (!query_->next()) {
    if (query_->lastError().isValid())
      throw databaseError(query_->lastError(), "Reading the log failed");
    return false;
  }
  std::string* fields[] = {&row.QSOReportRecived, &row.DXCCPrefix, &row.MainPrefix, &row.CallSign,
                           &row.DigiBand,         &row.QSOMode,    &row.Continent};
  for (std::size_t i = 0; i < kColumns.size(); ++i) readText(query_->value(columns_[i]), *fields[i]);
  return true;
}

}  // namespace q9x
