#include "platform/qt/SqliteLogReader.h"

#include <QByteArray>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QThread>
#include <QVariant>
#include <cstring>
#include <stdexcept>

#include "platform/qt/SqlErrorText.h"

namespace q9x {

namespace {
sqlite3* handleOf(const QSqlDriver& driver)
{
  const QVariant handle = driver.handle();
  if (!handle.isValid() || std::strcmp(handle.metaType().name(), "sqlite3*") != 0) return nullptr;
  return *static_cast<sqlite3* const*>(handle.constData());
}

// Whether the file SQLite has open is the one the connection was opened on.
bool namesTheConnectionsFile(const SqliteApi& api, sqlite3* handle, const QString& databaseName)
{
  const char* file = api.dbFilename(handle, "main");
  const QString opened = QString::fromUtf8(file ? file : "");
  if (databaseName.isEmpty() || databaseName == QLatin1String(":memory:")) return opened.isEmpty();
  const QString expected = QFileInfo(databaseName).canonicalFilePath();
  return !expected.isEmpty() && expected == QFileInfo(opened).canonicalFilePath();
}
}  // namespace

bool SqliteLogReader::canRead(const QSqlDatabase& db)
{
  const QSqlDriver* driver = db.driver();
  if (db.driverName() != QLatin1String("QSQLITE") || !driver || !driver->isOpen()) return false;
  if (driver->thread() != QThread::currentThread()) return false;
  // Qt SQL reads REAL as a double only in this precision (its default).
  if (driver->numericalPrecisionPolicy() != QSql::LowPrecisionDouble) return false;
  sqlite3* handle = handleOf(*driver);
  if (!handle) return false;
  const auto library = SqliteLibrary::ofDriver(*driver);
  return library && namesTheConnectionsFile(library->api(), handle, db.databaseName());
}

SqliteLogReader::~SqliteLogReader() { release(); }

// Runs the statement up to its first row, as Qt SQL does when a query is
// executed.
void SqliteLogReader::run(const QSqlDatabase& db, const QString& statement)
{
  if (!canRead(db))
    throw std::runtime_error(("Database connection '" + connectionName() +
                              "' can no longer be read as an SQLite database")
                                 .toLocal8Bit()
                                 .toStdString());
  library_ = SqliteLibrary::ofDriver(*db.driver());
  handle_ = handleOf(*db.driver());
  api_ = &library_->api();
  const QByteArray text = statement.toUtf8();
  if (api_->prepare(handle_, text.constData(), static_cast<int>(text.size()), &statement_, nullptr) !=
      SQLITE_OK)
    throwError("Unable to execute statement");
  switch (api_->step(statement_)) {
    case SQLITE_ROW: rowPending_ = true; break;
    case SQLITE_DONE: release(); break;
    default: throwError("Unable to fetch row");
  }
}

void SqliteLogReader::release()
{
  if (statement_) api_->finalize(statement_);
  statement_ = nullptr;
  rowPending_ = false;
  columns_.reset();
}

void SqliteLogReader::throwError(const char* what)
{
  const QString databaseText = QString::fromUtf8(api_->errmsg(handle_));
  release();
  throw sqlErrorText(QSqlError(QString::fromLatin1(what), databaseText), "Reading the log failed");
}

bool SqliteLogReader::read(LogRow& row)
{
  if (!statement_) return false;
  if (rowPending_) {
    rowPending_ = false;
  } else {
    switch (api_->step(statement_)) {
      case SQLITE_ROW: break;
      case SQLITE_DONE: release(); return false;
      default: throwError("Unable to fetch row");
    }
  }
  readRow(row);
  return true;
}

void SqliteLogReader::readRow(LogRow& row)
{
  if (!columns_) {
    // The names as Qt SQL's driver gives them: without quotes, without the
    // table before a dot.
    QSqlRecord names;
    const int count = api_->columnCount(statement_);
    for (int i = 0; i < count; ++i) {
      QString name = QString::fromUtf16(static_cast<const char16_t*>(api_->columnName16(statement_, i)));
      name.remove(QLatin1Char('"'));
      names.append(QSqlField(name.mid(name.lastIndexOf(QLatin1Char('.')) + 1)));
    }
    columns_.emplace(names);
  }
  for (std::size_t i = 0; i < columns_->readable(); ++i)
    readValue(columns_->position(i), LogColumns::field(row, i));
  if (columns_->readable() < LogColumns::kCount) {
    const LogColumns found = *columns_;
    release();
    found.throwMissing();
  }
}

// SQLite's own UTF-8 is taken as it is wherever Qt SQL's detour through
// UTF-16 and the local encoding would give back the same bytes; everything
// else is converted exactly as Qt SQL converts it.
//
// Each sqlite3_column_* call takes the connection's mutex; the value's own
// functions take none. The column's value is fetched once and read through
// them: the statement is stepped on the connection's own thread only, and
// nothing else runs on the connection until the row has been read.
void SqliteLogReader::readValue(int column, std::string& into)
{
  sqlite3_value* value = api_->columnValue(statement_, column);
  switch (api_->valueType(value)) {
    case SQLITE_NULL: into.clear(); return;
    case SQLITE_INTEGER: {
      const auto* digits = reinterpret_cast<const char*>(api_->valueText(value));
      into.assign(digits, static_cast<std::size_t>(api_->valueBytes(value)));
      return;
    }
    case SQLITE_TEXT: {
      const auto* text = reinterpret_cast<const char*>(api_->valueText(value));
      const auto size = static_cast<std::size_t>(api_->valueBytes(value));
      if (local_.keepsUtf8(text, size)) {
        into.assign(text, size);
        return;
      }
      const auto* wide = static_cast<const QChar*>(api_->valueText16(value));
      local_.assign(QString(wide, api_->valueBytes16(value) / 2), into);
      return;
    }
    case SQLITE_FLOAT: local_.assign(QVariant(api_->valueDouble(value)).toString(), into); return;
    default: {
      const auto* bytes = static_cast<const char*>(api_->valueBlob(value));
      local_.assign(QVariant(QByteArray(bytes, api_->valueBytes(value))).toString(), into);
      return;
    }
  }
}

}  // namespace q9x
