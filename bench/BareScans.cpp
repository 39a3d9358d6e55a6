#include "bench/BareScans.h"

#include <sqlite3.h>

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <array>
#include <memory>
#include <stdexcept>

#include "engine/LogRow.h"

namespace q9x::bench {

namespace {
// Keeps the compiler from dropping reads whose result is never used.
template <class T>
void keep(const T& value)
{
  asm volatile("" : : "g"(&value) : "memory");
}
}  // namespace

std::size_t scanWithQtSql(const std::string& table)
{
  QSqlQuery query;
  query.setForwardOnly(true);
  if (!query.exec(QString::fromStdString(logStatement(table))))
    throw std::runtime_error(query.lastError().text().toStdString());
  std::array<int, 7> columns{};
  const QSqlRecord record = query.record();
  for (std::size_t i = 0; i < kLogColumns.size(); ++i) columns[i] = record.indexOf(kLogColumns[i].name);

  std::size_t rows = 0;
  while (query.next()) {
    for (int column : columns) {
      QString text = query.value(column).toString();
      keep(text);
    }
    ++rows;
  }
  return rows;
}

std::size_t scanWithSqlite(const std::string& databasePath, const std::string& table)
{
  sqlite3* rawDb = nullptr;
  int rc = sqlite3_open_v2(databasePath.c_str(), &rawDb, SQLITE_OPEN_READONLY, nullptr);
  std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(rawDb, &sqlite3_close);
  if (rc != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(rawDb));

  sqlite3_stmt* rawStatement = nullptr;
  if (sqlite3_prepare_v2(rawDb, logStatement(table).c_str(), -1, &rawStatement, nullptr) != SQLITE_OK)
    throw std::runtime_error(sqlite3_errmsg(rawDb));
  std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(rawStatement,
                                                                      &sqlite3_finalize);
  std::array<int, 7> columns{};
  for (std::size_t i = 0; i < kLogColumns.size(); ++i)
    for (int c = 0; c < sqlite3_column_count(rawStatement); ++c)
      if (std::string_view(sqlite3_column_name(rawStatement, c)) == kLogColumns[i].name) columns[i] = c;

  std::size_t rows = 0;
  while ((rc = sqlite3_step(rawStatement)) == SQLITE_ROW) {
    for (int column : columns) {
      const unsigned char* text = sqlite3_column_text(rawStatement, column);
      keep(text);
    }
    ++rows;
  }
  if (rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(rawDb));
  return rows;
}

}  // namespace q9x::bench
