#include "platform/qt/PostgresLogReader.h"

#include <QByteArray>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QThread>
#include <QVariant>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <utility>

#include "platform/qt/PostgresConnection.h"
#include "platform/qt/SqlErrorText.h"

namespace q9x {

namespace {
// Types whose text Qt SQL hands over unchanged: the character types, taken
// as UTF-8, and the integers, whose digits it parses and prints back the
// same. Any other type (numbers with a fraction, booleans, dates, bytea,
// arrays, domains…) Qt SQL converts, and is read the Qt SQL way. The numbers
// are PostgreSQL's fixed type identifiers.
bool readsAsItsText(Oid type)
{
  switch (type) {
    case 25:    // text
    case 1043:  // varchar
    case 1042:  // char(n), with its padding
    case 20:    // int8
    case 21:    // int2
    case 23:    // int4
      return true;
    default:
      return false;
  }
}

// The connection's libpq and handle when it may be read natively, else a
// null library.
std::pair<std::unique_ptr<LibpqLibrary>, PGconn*> nativeConnection(const QSqlDatabase& db)
{
  QSqlDriver* driver = db.driver();
  if (db.driverName() != QLatin1String("QPSQL") || !driver || !driver->isOpen()) return {};
  if (driver->thread() != QThread::currentThread()) return {};
  PGconn* handle = postgresConnectionOf(*driver);
  if (!handle) return {};
  auto library = LibpqLibrary::ofDriver(*driver);
  if (!library) return {};
  const LibpqApi& api = library->api();
  if (api.status(handle) != CONNECTION_OK) return {};
  // Only an idle connection: inside the host's transaction block the log is
  // read as the host's own queries are, through Qt SQL.
  if (api.transactionStatus(handle) != PQTRANS_IDLE) return {};
  // Qt SQL's driver asks for UTF-8 when it connects and decodes every text as
  // UTF-8; a host that changed the client encoding since is read its way.
  if (std::strcmp(api.encodingName(api.clientEncoding(handle)), "UTF8") != 0) return {};
  return {std::move(library), handle};
}

// The columns found by name, each of a type read as its text; null when one
// is missing or of another type.
std::optional<std::array<int, LogColumns::kCount>> textColumns(const LibpqApi& api, const PGresult* result)
{
  QSqlRecord names;
  const int count = api.fieldCount(result);
  for (int i = 0; i < count; ++i) names.append(QSqlField(QString::fromUtf8(api.fieldName(result, i))));
  const LogColumns columns(names);
  if (columns.readable() < LogColumns::kCount) return std::nullopt;
  std::array<int, LogColumns::kCount> positions{};
  for (std::size_t i = 0; i < LogColumns::kCount; ++i) {
    positions[i] = columns.position(i);
    if (!readsAsItsText(api.fieldType(result, positions[i]))) return std::nullopt;
  }
  return positions;
}
}  // namespace

// Prepared and described as the unnamed statement, which Qt SQL never
// keeps: the server parses it and names its columns' types, and runs nothing.
bool PostgresLogReader::canRead(const QSqlDatabase& db, const QString& statement)
{
  const auto [library, handle] = nativeConnection(db);
  if (!library) return false;
  const LibpqApi& api = library->api();
  const QByteArray text = statement.toUtf8();
  PGresult* prepared = api.prepare(handle, "", text.constData(), 0, nullptr);
  const bool isPrepared = api.resultStatus(prepared) == PGRES_COMMAND_OK;
  api.clear(prepared);
  if (!isPrepared) return false;
  PGresult* description = api.describePrepared(handle, "");
  const bool readable = api.resultStatus(description) == PGRES_COMMAND_OK && textColumns(api, description);
  api.clear(description);
  return readable;
}

PostgresLogReader::~PostgresLogReader() { release(); }

// Runs the statement up to its first row, as Qt SQL does when a query is
// executed, and only once: an error is reported as Qt SQL words it.
void PostgresLogReader::run(const QSqlDatabase& db, const QString& statement)
{
  auto [library, handle] = nativeConnection(db);
  if (!library)
    throw std::runtime_error(("Database connection '" + connectionName() +
                              "' can no longer be read natively")
                                 .toLocal8Bit()
                                 .toStdString());
  library_ = std::move(library);
  api_ = &library_->api();
  handle_ = handle;
  const QByteArray text = statement.toUtf8();
  if (!api_->sendQueryParams(handle_, text.constData(), 0, nullptr, nullptr, nullptr, nullptr, 0))
    throwError("QPSQL: Unable to send query");
  pending_ = true;
  // Row by row, so the client holds one row however long the log.
  if (!api_->setSingleRowMode(handle_)) throwError("QPSQL: Unable to send query");
  result_ = api_->getResult(handle_);
  switch (api_->resultStatus(result_)) {
    case PGRES_SINGLE_TUPLE: rowPending_ = true; break;
    case PGRES_TUPLES_OK: release(); return;
    default: throwError("QPSQL: Unable to create query");
  }
  const auto columns = textColumns(*api_, result_);
  if (!columns) {
    release();
    throw std::runtime_error("The log's columns changed while it was being opened");
  }
  positions_ = *columns;
}

// Takes every result of the statement off the connection, so the host's next
// statement finds it idle.
void PostgresLogReader::release()
{
  if (!api_) return;
  api_->clear(result_);
  result_ = nullptr;
  if (pending_)
    while (PGresult* rest = api_->getResult(handle_)) api_->clear(rest);
  pending_ = false;
  rowPending_ = false;
}

// The error as Qt SQL's driver words it, with the connection's message.
void PostgresLogReader::throwError(const char* what)
{
  QString databaseText = QString::fromUtf8(api_->errorMessage(handle_));
  if (const char* state = api_->resultErrorField(result_, PG_DIAG_SQLSTATE))
    databaseText += QLatin1Char('(') + QString::fromLatin1(state) + QLatin1Char(')');
  release();
  throw sqlErrorText(QSqlError(QString::fromLatin1(what), databaseText), "Reading the log failed");
}

bool PostgresLogReader::read(LogRow& row)
{
  if (rowPending_) {
    rowPending_ = false;
  } else {
    if (!pending_) return false;
    api_->clear(result_);
    result_ = api_->getResult(handle_);
    switch (api_->resultStatus(result_)) {
      case PGRES_SINGLE_TUPLE: break;
      case PGRES_TUPLES_OK: release(); return false;
      default: throwError("QPSQL: Unable to get result");
    }
  }
  readRow(row);
  return true;
}

// The server's UTF-8 is taken as it is where the local encoding writes it
// back unchanged; otherwise it is converted as Qt SQL converts it. libpq
// gives a NULL as an empty text of length 0, which is the text a NULL reads
// as, so it needs no question of its own.
void PostgresLogReader::readRow(LogRow& row)
{
  for (std::size_t i = 0; i < LogColumns::kCount; ++i) {
    std::string& into = LogColumns::field(row, i);
    const int column = positions_[i];
    const char* text = api_->value(result_, 0, column);
    const auto size = static_cast<std::size_t>(api_->length(result_, 0, column));
    if (local_.keepsUtf8(text, size))
      into.assign(text, size);
    else
      local_.assign(QString::fromUtf8(text, static_cast<qsizetype>(size)), into);
  }
}

}  // namespace q9x
