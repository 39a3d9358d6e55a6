#include "platform/qt/SqliteApi.h"

#include "platform/qt/DriverLibrary.h"

namespace q9x {

std::unique_ptr<SqliteLibrary> SqliteLibrary::ofDriver(const QSqlDriver& driver)
{
  void* plugin = openDriverPlugin(driver);
  if (!plugin) return nullptr;
  SqliteApi api{};
  const bool found =
      resolveFunction(plugin, "sqlite3_prepare_v2", api.prepare) &&
      resolveFunction(plugin, "sqlite3_step", api.step) &&
      resolveFunction(plugin, "sqlite3_finalize", api.finalize) &&
      resolveFunction(plugin, "sqlite3_errmsg", api.errmsg) &&
      resolveFunction(plugin, "sqlite3_db_filename", api.dbFilename) &&
      resolveFunction(plugin, "sqlite3_column_count", api.columnCount) &&
      resolveFunction(plugin, "sqlite3_column_name16", api.columnName16) &&
      resolveFunction(plugin, "sqlite3_column_value", api.columnValue) &&
      resolveFunction(plugin, "sqlite3_value_type", api.valueType) &&
      resolveFunction(plugin, "sqlite3_value_text", api.valueText) &&
      resolveFunction(plugin, "sqlite3_value_bytes", api.valueBytes) &&
      resolveFunction(plugin, "sqlite3_value_text16", api.valueText16) &&
      resolveFunction(plugin, "sqlite3_value_bytes16", api.valueBytes16) &&
      resolveFunction(plugin, "sqlite3_value_double", api.valueDouble) &&
      resolveFunction(plugin, "sqlite3_value_blob", api.valueBlob);
  if (!found) {
    dlclose(plugin);
    return nullptr;
  }
  return std::unique_ptr<SqliteLibrary>(new SqliteLibrary(plugin, api));
}

SqliteLibrary::~SqliteLibrary() { dlclose(plugin_); }

}  // namespace q9x
