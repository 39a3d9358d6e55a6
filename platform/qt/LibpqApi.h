#pragma once
// The libpq functions of the copy of libpq that a QPSQL driver itself uses.
// A connection may only be used with the functions of the library that made
// it, so they are looked up in the driver's own plug-in and the libraries it
// is linked to; the plug-in never links a libpq of its own.

#include <libpq-fe.h>

#include <memory>

class QSqlDriver;

namespace q9x {

struct LibpqApi {
  decltype(&PQstatus) status;
  decltype(&PQtransactionStatus) transactionStatus;
  decltype(&PQclientEncoding) clientEncoding;
  decltype(&pg_encoding_to_char) encodingName;
  decltype(&PQprepare) prepare;
  decltype(&PQdescribePrepared) describePrepared;
  decltype(&PQsendQueryParams) sendQueryParams;
  decltype(&PQsetSingleRowMode) setSingleRowMode;
  decltype(&PQgetResult) getResult;
  decltype(&PQresultStatus) resultStatus;
  decltype(&PQresultErrorField) resultErrorField;
  decltype(&PQerrorMessage) errorMessage;
  decltype(&PQclear) clear;
  decltype(&PQnfields) fieldCount;
  decltype(&PQfname) fieldName;
  decltype(&PQftype) fieldType;
  decltype(&PQgetvalue) value;
  decltype(&PQgetlength) length;
};

// The driver's libpq functions, held while the object lives; null when the
// driver's plug-in cannot be found or does not reach all of them.
class LibpqLibrary {
 public:
  static std::unique_ptr<LibpqLibrary> ofDriver(const QSqlDriver& driver);
  ~LibpqLibrary();
  LibpqLibrary(const LibpqLibrary&) = delete;
  LibpqLibrary& operator=(const LibpqLibrary&) = delete;

  const LibpqApi& api() const { return api_; }

 private:
  LibpqLibrary(void* plugin, const LibpqApi& api) : plugin_(plugin), api_(api) {}
  void* plugin_;
  LibpqApi api_;
};

}  // namespace q9x
