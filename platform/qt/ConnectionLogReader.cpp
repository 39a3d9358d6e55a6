#include "platform/qt/ConnectionLogReader.h"

#include <QSqlError>
#include <stdexcept>

#include "engine/LogStatement.h"
#include "platform/qt/LogConnection.h"
#include "platform/qt/PostgresConnection.h"
#include "platform/qt/SqlErrorText.h"

namespace q9x {

ConnectionLogReader::ConnectionLogReader(std::int32_t connection)
    : connection_(connection), connectionName_(logConnectionName(connection))
{
}

QSqlDatabase ConnectionLogReader::usableConnection() const
{
  QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
  if (!db.isValid())
    throw std::runtime_error(
        ("Database connection '" + connectionName_ + "' does not exist").toLocal8Bit().toStdString());
  if (!db.isOpen()) {
    const QString fallback = "Database connection '" + connectionName_ + "' is not open";
    throw sqlErrorText(db.lastError(), fallback.toLocal8Bit().constData());
  }
  return db;
}

void ConnectionLogReader::open(const std::string& tableName)
{
  close();
  logStatement(tableName);  // refuses a name that is not one
  usableConnection();
  table_ = tableName;
}

void ConnectionLogReader::resumeAfterEvents()
{
  if (!table_ || running_) return;
  const QSqlDatabase db = usableConnection();
  QString statement = QString::fromLocal8Bit(logStatement(*table_));
  if (db.driverName() == QLatin1String("QPSQL")) {
    // The host's own rows must not be thrown away to make room for the log's.
    requireNoPendingStatement(db, connectionName_);
    statement = inLoggedOrder(db, *table_, statement);
  }
  running_ = true;
  run(db, statement);
}

bool ConnectionLogReader::next(LogRow& row)
{
  if (!running_) resumeAfterEvents();
  return running_ && read(row);
}

void ConnectionLogReader::close()
{
  if (running_) release();
  running_ = false;
  table_.reset();
}

}  // namespace q9x
