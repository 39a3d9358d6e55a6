#include "platform/qt/LibpqApi.h"

#include "platform/qt/DriverLibrary.h"

namespace q9x {

std::unique_ptr<LibpqLibrary> LibpqLibrary::ofDriver(const QSqlDriver& driver)
{
  void* plugin = openDriverPlugin(driver);
  if (!plugin) return nullptr;
  LibpqApi api{};
  const bool found =
      resolveFunction(plugin, "PQstatus", api.status) &&
      resolveFunction(plugin, "PQtransactionStatus", api.transactionStatus) &&
      resolveFunction(plugin, "PQclientEncoding", api.clientEncoding) &&
      resolveFunction(plugin, "pg_encoding_to_char", api.encodingName) &&
      resolveFunction(plugin, "PQprepare", api.prepare) &&
      resolveFunction(plugin, "PQdescribePrepared", api.describePrepared) &&
      resolveFunction(plugin, "PQsendQueryParams", api.sendQueryParams) &&
      resolveFunction(plugin, "PQsetSingleRowMode", api.setSingleRowMode) &&
      resolveFunction(plugin, "PQgetResult", api.getResult) &&
      resolveFunction(plugin, "PQresultStatus", api.resultStatus) &&
      resolveFunction(plugin, "PQresultErrorField", api.resultErrorField) &&
      resolveFunction(plugin, "PQerrorMessage", api.errorMessage) &&
      resolveFunction(plugin, "PQclear", api.clear) &&
      resolveFunction(plugin, "PQnfields", api.fieldCount) &&
      resolveFunction(plugin, "PQfname", api.fieldName) &&
      resolveFunction(plugin, "PQftype", api.fieldType) &&
      resolveFunction(plugin, "PQgetvalue", api.value) &&
      resolveFunction(plugin, "PQgetlength", api.length);
  if (!found) {
    dlclose(plugin);
    return nullptr;
  }
  return std::unique_ptr<LibpqLibrary>(new LibpqLibrary(plugin, api));
}

LibpqLibrary::~LibpqLibrary() { dlclose(plugin_); }

}  // namespace q9x
