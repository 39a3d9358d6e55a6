#include "bench/PostgresLog.h"

#include <libpq-fe.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>

#include "bench/BareScans.h"
#include "bench/LogTableLayout.h"
#include "bench/SqliteLog.h"
#include "engine/LogRow.h"

namespace q9x::bench {

namespace {

using Connection = std::unique_ptr<PGconn, decltype(&PQfinish)>;
using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

Connection connect(const std::string& connectionInfo)
{
  Connection db(PQconnectdb(connectionInfo.c_str()), &PQfinish);
  if (PQstatus(db.get()) != CONNECTION_OK)
    throw std::runtime_error(std::string("PostgreSQL: ") + PQerrorMessage(db.get()));
  return db;
}

void exec(PGconn* db, const std::string& sql)
{
  Result result(PQexec(db, sql.c_str()), &PQclear);
  if (PQresultStatus(result.get()) != PGRES_COMMAND_OK)
    throw std::runtime_error("PostgreSQL: " + sql + ": " + PQerrorMessage(db));
}

std::string createTable(const std::string& name, const LogTableShape& shape)
{
  return createLogTableStatement(name, "integer", shape);
}

// The rows in COPY's text format, with the values the SQLite log holds.
void copyContacts(PGconn* db, const std::string& table, std::span<const GeneratedContact> contacts,
                  const LogTableShape& shape)
{
  std::string columns = "ID";
  for (const std::string& column : logTableColumns(shape)) columns += ", " + column;
  Result started(PQexec(db, ("COPY " + table + " (" + columns + ") FROM STDIN").c_str()), &PQclear);
  if (PQresultStatus(started.get()) != PGRES_COPY_IN)
    throw std::runtime_error(std::string("PostgreSQL: COPY: ") + PQerrorMessage(db));
  std::string lines;
  std::size_t serial = 0;
  for (const GeneratedContact& c : contacts) {
    lines += std::to_string(++serial);
    for (const std::optional<std::string>& value : logTableValues(c, serial, shape)) {
      lines += '\t';
      lines += value ? *value : std::string("\\N");
    }
    lines += '\n';
    if (lines.size() > (1 << 20) || serial == contacts.size()) {
      if (PQputCopyData(db, lines.data(), static_cast<int>(lines.size())) != 1)
        throw std::runtime_error(std::string("PostgreSQL: COPY: ") + PQerrorMessage(db));
      lines.clear();
    }
  }
  if (PQputCopyEnd(db, nullptr) != 1)
    throw std::runtime_error(std::string("PostgreSQL: COPY: ") + PQerrorMessage(db));
  Result finished(PQgetResult(db), &PQclear);
  if (PQresultStatus(finished.get()) != PGRES_COMMAND_OK)
    throw std::runtime_error(std::string("PostgreSQL: COPY: ") + PQerrorMessage(db));
  while (PGresult* rest = PQgetResult(db)) PQclear(rest);
}

}  // namespace

std::string postgresConnectionInfo()
{
  if (qEnvironmentVariableIsEmpty("Q9X_PG_PORT"))
    throw std::runtime_error("--postgres needs the server of scripts/postgres.sh (Q9X_PG_PORT unset)");
  return "host=" + qEnvironmentVariable("Q9X_PG_HOST", QStringLiteral("127.0.0.1")).toStdString() +
         " port=" + qEnvironmentVariable("Q9X_PG_PORT").toStdString() +
         " user=" + qEnvironmentVariable("Q9X_PG_USER").toStdString() +
         " dbname=" + qEnvironmentVariable("Q9X_PG_DATABASE").toStdString();
}

void openDefaultPostgresConnection()
{
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"));
  db.setHostName(qEnvironmentVariable("Q9X_PG_HOST", QStringLiteral("127.0.0.1")));
  db.setPort(qEnvironmentVariableIntValue("Q9X_PG_PORT"));
  db.setUserName(qEnvironmentVariable("Q9X_PG_USER"));
  db.setDatabaseName(qEnvironmentVariable("Q9X_PG_DATABASE"));
  if (!db.open()) throw std::runtime_error(db.lastError().text().toStdString());
}

void writePostgresLog(const std::string& connectionInfo, const std::vector<GeneratedContact>& contacts,
                      const std::vector<std::size_t>& sizes, const LogTableShape& shape)
{
  Connection db = connect(connectionInfo);
  std::vector<std::size_t> tables = sizes;
  tables.push_back(0);
  for (std::size_t size : tables) exec(db.get(), "DROP TABLE IF EXISTS " + logTableName(size));
  const std::size_t largest = *std::max_element(sizes.begin(), sizes.end());
  const std::string all = logTableName(largest);
  exec(db.get(), createTable(all, shape));
  copyContacts(db.get(), all, std::span(contacts).first(largest), shape);
  for (std::size_t size : tables) {
    const std::string table = logTableName(size);
    if (size != largest) {
      exec(db.get(), createTable(table, shape));
      exec(db.get(), "INSERT INTO " + table + " SELECT * FROM " + all + " WHERE ID <= " + std::to_string(size));
    }
    if (shape.indexCallSign && size != 0) exec(db.get(), "CREATE INDEX ON " + table + " (CallSign)");
    exec(db.get(), "VACUUM ANALYZE " + table);
  }
}

LibpqScanner::LibpqScanner(const std::string& connectionInfo) : db_(connect(connectionInfo).release()) {}

LibpqScanner::~LibpqScanner() { PQfinish(db_); }

std::size_t LibpqScanner::scan(const std::string& table)
{
  if (!PQsendQuery(db_, logStatement(table).c_str()) || !PQsetSingleRowMode(db_))
    throw std::runtime_error(std::string("PostgreSQL: ") + PQerrorMessage(db_));
  std::array<int, 7> columns{};
  std::size_t rows = 0;
  bool failed = false;
  while (PGresult* raw = PQgetResult(db_)) {
    Result result(raw, &PQclear);
    const ExecStatusType status = PQresultStatus(raw);
    if (status == PGRES_TUPLES_OK) continue;
    if (status != PGRES_SINGLE_TUPLE) {
      failed = true;
      continue;
    }
    // PQfnumber folds the names to lower case, as the server did.
    if (rows == 0)
      for (std::size_t i = 0; i < kLogColumns.size(); ++i) columns[i] = PQfnumber(raw, kLogColumns[i].name);
    for (int column : columns) {
      const char* text = PQgetvalue(raw, 0, column);
      asm volatile("" : : "g"(text) : "memory");  // keeps the read
    }
    ++rows;
  }
  if (failed) throw std::runtime_error(std::string("PostgreSQL: ") + PQerrorMessage(db_));
  return rows;
}

}  // namespace q9x::bench
