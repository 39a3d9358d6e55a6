#include "bench/SqliteLog.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <span>
#include <optional>
#include <stdexcept>

#include "bench/LogTableLayout.h"

namespace q9x::bench {

namespace {

using Database = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

void check(sqlite3* db, int rc, int expected = SQLITE_OK)
{
  if (rc != expected) throw std::runtime_error(std::string("SQLite: ") + sqlite3_errmsg(db));
}

void exec(sqlite3* db, const std::string& sql)
{
  check(db, sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr));
}

// The ID is SQLite's own row number, which takes no place of a column.
std::string createTable(const std::string& name, const LogTableShape& shape)
{
  return createLogTableStatement(name, "INTEGER", shape);
}

void insertContacts(sqlite3* db, const std::string& table, const std::vector<GeneratedContact>& contacts,
                    std::size_t count, const LogTableShape& shape)
{
  std::string columns;
  std::string places;
  for (const std::string& column : logTableColumns(shape)) {
    columns += (columns.empty() ? "" : ", ") + column;
    places += places.empty() ? "?" : ",?";
  }
  sqlite3_stmt* raw = nullptr;
  check(db, sqlite3_prepare_v2(
                db, ("INSERT INTO " + table + " (" + columns + ") VALUES (" + places + ")").c_str(), -1,
                &raw, nullptr));
  Statement insert(raw, &sqlite3_finalize);
  std::size_t serial = 0;
  for (const GeneratedContact& c : std::span(contacts).first(count)) {
    const std::vector<std::optional<std::string>> values = logTableValues(c, ++serial, shape);
    for (std::size_t i = 0; i < values.size(); ++i) {
      const int place = static_cast<int>(i) + 1;
      if (values[i])
        sqlite3_bind_text(insert.get(), place, values[i]->data(), static_cast<int>(values[i]->size()),
                          SQLITE_TRANSIENT);
      else
        sqlite3_bind_null(insert.get(), place);
    }
    check(db, sqlite3_step(insert.get()), SQLITE_DONE);
    sqlite3_reset(insert.get());
  }
}

}  // namespace

std::string logTableName(std::size_t rows) { return "log_" + std::to_string(rows); }

void writeLogDatabase(const std::string& path, const std::vector<GeneratedContact>& contacts,
                      const std::vector<std::size_t>& sizes, const LogTableShape& shape)
{
  sqlite3* raw = nullptr;
  int rc = sqlite3_open(path.c_str(), &raw);
  Database db(raw, &sqlite3_close);
  check(db.get(), rc);
  exec(db.get(), "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN");

  const std::size_t largest = *std::max_element(sizes.begin(), sizes.end());
  const std::string all = logTableName(largest);
  exec(db.get(), createTable(all, shape));
  insertContacts(db.get(), all, contacts, largest, shape);
  for (std::size_t size : sizes) {
    if (size == largest) continue;
    const std::string table = logTableName(size);
    exec(db.get(), createTable(table, shape));
    exec(db.get(), "INSERT INTO " + table + " SELECT * FROM " + all + " WHERE ID <= " +
                       std::to_string(size));
  }
  exec(db.get(), createTable(logTableName(0), shape));
  for (std::size_t size : shape.indexCallSign ? sizes : std::vector<std::size_t>{}) {
    const std::string table = logTableName(size);
    exec(db.get(), "CREATE INDEX " + table + "_CallSign ON " + table + " (CallSign)");
  }
  exec(db.get(), "COMMIT");
}

}  // namespace q9x::bench
