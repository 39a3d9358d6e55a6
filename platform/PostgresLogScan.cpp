#include "platform/PostgresLogScan.h"

#include <QByteArray>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QThread>
#include <QVariant>
#include <cstring>

#include "platform/SqlErrorText.h"

namespace q9x {

namespace {
PGconn* handleOf(const QSqlDriver& driver)
{
  // Qt registers the pointer under libpq's struct name.
  const QVariant handle = driver.handle();
  if (!handle.isValid()) return nullptr;
  const char* type = handle.metaType().name();
  if (std::strcmp(type, "pg_conn*") != 0 && std::strcmp(type, "PGconn*") != 0) return nullptr;
  return *static_cast<PGconn* const*>(handle.constData());
}

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
}  // namespace

PostgresLogScan::PostgresLogScan(std::unique_ptr<LibpqLibrary> library, QSqlDriver* driver,
                                 PGconn* handle, const QString& connectionName)
    : library_(std::move(library)), api_(library_->api()), driver_(driver), handle_(handle),
      backendPid_(api_.backendPid(handle)), connectionName_(connectionName),
      localIsUtf8_(local_.isUtf8())
{
}

std::unique_ptr<PostgresLogScan> PostgresLogScan::of(const QSqlDatabase& db, const QString& connectionName)
{
  QSqlDriver* driver = db.driver();
  if (db.driverName() != QLatin1String("QPSQL") || !driver || !driver->isOpen()) return nullptr;
  if (driver->thread() != QThread::currentThread()) return nullptr;
  PGconn* handle = handleOf(*driver);
  if (!handle) return nullptr;
  auto library = LibpqLibrary::ofDriver(*driver);
  if (!library) return nullptr;
  const LibpqApi& api = library->api();
  if (api.status(handle) != CONNECTION_OK) return nullptr;
  // Only an idle connection: a statement that fails inside the host's
  // transaction block would abort it, and one still being read belongs to
  // the host (it would be lost, or swallow this scan's rows).
  if (api.transactionStatus(handle) != PQTRANS_IDLE) return nullptr;
  // Qt SQL's driver asks for UTF-8 when it connects and decodes every text as
  // UTF-8; a host that changed the client encoding since is read its way.
  if (std::strcmp(api.encodingName(api.clientEncoding(handle)), "UTF8") != 0) return nullptr;
  return std::unique_ptr<PostgresLogScan>(
      new PostgresLogScan(std::move(library), driver, handle, connectionName));
}

bool PostgresLogScan::findColumns(const PGresult* description)
{
  QSqlRecord names;
  const int count = api_.fieldCount(description);
  for (int i = 0; i < count; ++i) names.append(QSqlField(QString::fromUtf8(api_.fieldName(description, i))));
  const LogColumns columns(names);
  if (columns.readable() < LogColumns::kCount) return false;
  for (std::size_t i = 0; i < LogColumns::kCount; ++i) {
    positions_[i] = columns.position(i);
    if (!readsAsItsText(api_.fieldType(description, positions_[i]))) return false;
  }
  return true;
}

// The statement is prepared and described first (as the unnamed statement,
// which Qt SQL never keeps), so its columns are known before anything runs.
bool PostgresLogScan::open(const QString& statement)
{
  const QByteArray text = statement.toUtf8();
  PGresult* prepared = api_.prepare(handle_, "", text.constData(), 0, nullptr);
  const bool isPrepared = api_.resultStatus(prepared) == PGRES_COMMAND_OK;
  api_.clear(prepared);
  if (!isPrepared) return false;
  PGresult* description = api_.describePrepared(handle_, "");
  const bool readable = api_.resultStatus(description) == PGRES_COMMAND_OK && findColumns(description);
  api_.clear(description);
  if (!readable) return false;

  if (!api_.sendQueryPrepared(handle_, "", 0, nullptr, nullptr, nullptr, 0)) return false;
  pending_ = true;
  // Row by row, so the client holds one row however long the log.
  if (!api_.setSingleRowMode(handle_)) {
    finish();
    return false;
  }
  result_ = api_.getResult(handle_);
  switch (api_.resultStatus(result_)) {
    case PGRES_SINGLE_TUPLE: rowPending_ = true; return true;
    case PGRES_TUPLES_OK: finish(); return true;
    default: finish(); return false;  // Qt SQL runs it again and reports the error its way
  }
}

PostgresLogScan::~PostgresLogScan() { finish(); }

// The host may have closed its database, or closed and reopened it (libpq can
// hand out the same address again), while pending events ran.
bool PostgresLogScan::stillTheConnection() const
{
  if (!driver_ || !driver_->isOpen() || handleOf(*driver_) != handle_) return false;
  if (QSqlDatabase::database(connectionName_, false).driver() != driver_) return false;
  // A connection the server broke stays the same one: its error comes with
  // the next row.
  return api_.backendPid(handle_) == backendPid_;
}

// Takes every result of the statement off the connection, so the host's next
// statement finds it idle. A connection the host closed holds nothing more.
void PostgresLogScan::finish()
{
  api_.clear(result_);
  result_ = nullptr;
  if (pending_ && !lost_)
    while (PGresult* rest = api_.getResult(handle_)) api_.clear(rest);
  pending_ = false;
}

// The error as Qt SQL's driver words it for a row it could not fetch, with
// the message of the connection the driver holds now.
void PostgresLogScan::throwError(PGconn* connection)
{
  QString databaseText = QString::fromUtf8(api_.errorMessage(connection));
  if (const char* state = api_.resultErrorField(result_, PG_DIAG_SQLSTATE))
    databaseText += QLatin1Char('(') + QString::fromLatin1(state) + QLatin1Char(')');
  finish();
  throw sqlErrorText(QSqlError(QStringLiteral("QPSQL: Unable to get result"), databaseText),
                     "Reading the log failed");
}

bool PostgresLogScan::next(LogRow& row)
{
  if (!checked_) {
    checked_ = true;
    lost_ = !stillTheConnection();
  }
  if (lost_) {
    // Qt SQL hands over the row it had already fetched and fails on the next.
    if (rowPending_) {
      rowPending_ = false;
      readRow(row);
      return true;
    }
    api_.clear(result_);
    result_ = nullptr;
    throwError(driver_ ? handleOf(*driver_) : nullptr);
  }
  if (rowPending_) {
    rowPending_ = false;
  } else {
    if (!pending_) return false;
    api_.clear(result_);
    result_ = api_.getResult(handle_);
    switch (api_.resultStatus(result_)) {
      case PGRES_SINGLE_TUPLE: break;
      case PGRES_TUPLES_OK: finish(); return false;
      default: throwError(handle_);
    }
  }
  readRow(row);
  return true;
}

// The server's UTF-8 is taken as it is where the local encoding writes it
// back unchanged; otherwise it is converted as Qt SQL converts it.
void PostgresLogScan::readRow(LogRow& row)
{
  for (std::size_t i = 0; i < LogColumns::kCount; ++i) {
    std::string& into = LogColumns::field(row, i);
    const int column = positions_[i];
    if (api_.isNull(result_, 0, column)) {
      into.clear();
      continue;
    }
    const char* text = api_.value(result_, 0, column);
    const auto size = static_cast<qsizetype>(api_.length(result_, 0, column));
    if (localIsUtf8_ && QByteArrayView(text, size).isValidUtf8())
      into.assign(text, static_cast<std::size_t>(size));
    else
      local_.assign(QString::fromUtf8(text, size), into);
  }
}

}  // namespace q9x
