#include "platform/SqliteApi.h"

#include <dlfcn.h>

#include <QSqlDriver>

namespace q9x {

namespace {
template <typename F>
bool resolve(void* library, const char* name, F& into)
{
  into = reinterpret_cast<F>(dlsym(library, name));
  return into != nullptr;
}
}  // namespace

std::unique_ptr<SqliteLibrary> SqliteLibrary::ofDriver(const QSqlDriver& driver)
{
  // The driver's virtual table lies in the plug-in that made the driver.
  Dl_info where{};
  const void* vtable = *reinterpret_cast<const void* const*>(&driver);
  if (dladdr(vtable, &where) == 0 || !where.dli_fname) return nullptr;
  // Already loaded by Qt; this only takes a reference, so the plug-in stays
  // while the functions are in use. A lookup through the plug-in's handle
  // searches the plug-in and the libraries it was linked with.
  void* plugin = dlopen(where.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
  if (!plugin) return nullptr;
  SqliteApi api{};
  const bool found =
      resolve(plugin, "sqlite3_prepare_v2", api.prepare) && resolve(plugin, "sqlite3_step", api.step) &&
      resolve(plugin, "sqlite3_finalize", api.finalize) && resolve(plugin, "sqlite3_close", api.close) &&
      resolve(plugin, "sqlite3_errmsg", api.errmsg) &&
      resolve(plugin, "sqlite3_db_filename", api.dbFilename) &&
      resolve(plugin, "sqlite3_column_count", api.columnCount) &&
      resolve(plugin, "sqlite3_column_name16", api.columnName16) &&
      resolve(plugin, "sqlite3_column_type", api.columnType) &&
      resolve(plugin, "sqlite3_column_text", api.columnText) &&
      resolve(plugin, "sqlite3_column_bytes", api.columnBytes) &&
      resolve(plugin, "sqlite3_column_text16", api.columnText16) &&
      resolve(plugin, "sqlite3_column_bytes16", api.columnBytes16) &&
      resolve(plugin, "sqlite3_column_double", api.columnDouble) &&
      resolve(plugin, "sqlite3_column_blob", api.columnBlob);
  if (!found) {
    dlclose(plugin);
    return nullptr;
  }
  return std::unique_ptr<SqliteLibrary>(new SqliteLibrary(plugin, api));
}

SqliteLibrary::~SqliteLibrary() { dlclose(plugin_); }

}  // namespace q9x
