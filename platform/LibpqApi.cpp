#include "platform/LibpqApi.h"

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

std::unique_ptr<LibpqLibrary> LibpqLibrary::ofDriver(const QSqlDriver& driver)
{
  // The driver's virtual table lies in the plug-in that made the driver.
  Dl_info where{};
  const void* vtable = *reinterpret_cast<const void* const*>(&driver);
  if (dladdr(vtable, &where) == 0 || !where.dli_fname) return nullptr;
  // Already loaded by Qt: this only takes a reference, so the plug-in (and the
  // libpq it brought in) stays while the functions are in use. A lookup
  // through the plug-in's handle searches the plug-in and its libraries.
  void* plugin = dlopen(where.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
  if (!plugin) return nullptr;
  LibpqApi api{};
  const bool found =
      resolve(plugin, "PQstatus", api.status) &&
      resolve(plugin, "PQtransactionStatus", api.transactionStatus) &&
      resolve(plugin, "PQclientEncoding", api.clientEncoding) &&
      resolve(plugin, "pg_encoding_to_char", api.encodingName) &&
      resolve(plugin, "PQbackendPID", api.backendPid) && resolve(plugin, "PQprepare", api.prepare) &&
      resolve(plugin, "PQdescribePrepared", api.describePrepared) &&
      resolve(plugin, "PQsendQueryPrepared", api.sendQueryPrepared) &&
      resolve(plugin, "PQsetSingleRowMode", api.setSingleRowMode) &&
      resolve(plugin, "PQgetResult", api.getResult) &&
      resolve(plugin, "PQresultStatus", api.resultStatus) &&
      resolve(plugin, "PQresultErrorField", api.resultErrorField) &&
      resolve(plugin, "PQerrorMessage", api.errorMessage) && resolve(plugin, "PQclear", api.clear) &&
      resolve(plugin, "PQnfields", api.fieldCount) && resolve(plugin, "PQfname", api.fieldName) &&
      resolve(plugin, "PQftype", api.fieldType) && resolve(plugin, "PQgetisnull", api.isNull) &&
      resolve(plugin, "PQgetvalue", api.value) && resolve(plugin, "PQgetlength", api.length);
  if (!found) {
    dlclose(plugin);
    return nullptr;
  }
  return std::unique_ptr<LibpqLibrary>(new LibpqLibrary(plugin, api));
}

LibpqLibrary::~LibpqLibrary() { dlclose(plugin_); }

}  // namespace q9x
