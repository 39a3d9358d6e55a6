#pragma once
// The SQLite functions of the copy of SQLite that a QSQLITE driver itself
// uses. A process may hold more than one SQLite; a handle may only be used
// with functions of the library that made it, so they are looked up in the
// driver's own plug-in and the libraries it is linked to, never elsewhere.

#include <sqlite3.h>

#include <memory>

class QSqlDriver;

namespace q9x {

struct SqliteApi {
  decltype(&sqlite3_prepare_v2) prepare;
  decltype(&sqlite3_step) step;
  decltype(&sqlite3_finalize) finalize;
  decltype(&sqlite3_errmsg) errmsg;
  decltype(&sqlite3_db_filename) dbFilename;
  decltype(&sqlite3_column_count) columnCount;
  decltype(&sqlite3_column_name16) columnName16;
  decltype(&sqlite3_column_value) columnValue;
  decltype(&sqlite3_value_type) valueType;
  decltype(&sqlite3_value_text) valueText;
  decltype(&sqlite3_value_bytes) valueBytes;
  decltype(&sqlite3_value_text16) valueText16;
  decltype(&sqlite3_value_bytes16) valueBytes16;
  decltype(&sqlite3_value_double) valueDouble;
  decltype(&sqlite3_value_blob) valueBlob;
};

// The driver's SQLite functions, held while the object lives; null when the
// driver's plug-in cannot be found or does not reach them (a Qt with SQLite
// built in keeps them to itself).
class SqliteLibrary {
 public:
  static std::unique_ptr<SqliteLibrary> ofDriver(const QSqlDriver& driver);
  ~SqliteLibrary();
  SqliteLibrary(const SqliteLibrary&) = delete;
  SqliteLibrary& operator=(const SqliteLibrary&) = delete;

  const SqliteApi& api() const { return api_; }

 private:
  SqliteLibrary(void* plugin, const SqliteApi& api) : plugin_(plugin), api_(api) {}
  void* plugin_;
  SqliteApi api_;
};

}  // namespace q9x
