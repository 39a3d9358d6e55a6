#include "platform/qt/PostgresConnection.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>
#include <cstring>
#include <stdexcept>

#include "platform/qt/LibpqApi.h"

namespace q9x {

PGconn* postgresConnectionOf(const QSqlDriver& driver)
{
  // Qt registers the pointer under libpq's struct name.
  const QVariant handle = driver.handle();
  if (!handle.isValid()) return nullptr;
  const char* type = handle.metaType().name();
  if (std::strcmp(type, "pg_conn*") != 0 && std::strcmp(type, "PGconn*") != 0) return nullptr;
  return *static_cast<PGconn* const*>(handle.constData());
}

void requireNoPendingStatement(const QSqlDatabase& db, const QString& connectionName)
{
  const QSqlDriver* driver = db.driver();
  PGconn* connection = driver ? postgresConnectionOf(*driver) : nullptr;
  const auto library = driver ? LibpqLibrary::ofDriver(*driver) : nullptr;
  if (!connection || !library || library->api().transactionStatus(connection) != PQTRANS_ACTIVE) return;
  throw std::runtime_error(("The log cannot be read while another query on database connection '" +
                            connectionName + "' still has rows to read")
                               .toLocal8Bit()
                               .toStdString());
}

QString inLoggedOrder(const QSqlDatabase& db, const std::string& table, const QString& statement)
{
  // Tables, their partitions and inheriting tables give every row a place:
  // the table it is in and its position there.
  QSqlQuery kind(db);
  kind.setForwardOnly(true);
  kind.prepare(QStringLiteral("select relkind from pg_catalog.pg_class where oid = "
                              "pg_catalog.to_regclass(?)"));
  kind.addBindValue(QString::fromLocal8Bit(table));
  if (!kind.exec() || !kind.next()) return statement;
  const QString relkind = kind.value(0).toString();
  if (relkind != QLatin1String("r") && relkind != QLatin1String("p") && relkind != QLatin1String("m"))
    return statement;
  return statement + QStringLiteral(", tableoid, ctid");
}

}  // namespace q9x
