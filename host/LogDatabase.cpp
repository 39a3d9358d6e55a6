#include "host/LogDatabase.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>
#include <utility>
#include <vector>

#include "engine/LogRow.h"
#include "platform/qt/LogConnection.h"

namespace q9xhost {

namespace {
// The columns a logger keeps before the seven the plug-in reads; its answer
// column comes last.
const char* const kHostColumns[] = {"QSODate", "QSOTime", "Frequency"};

DatabaseError errorOf(const QString& what, const QSqlError& error)
{
  return DatabaseError((what + ": " + error.text().trimmed()).toStdString());
}

// The columns of the table the plug-in's unquoted statement reaches. Servers
// fold unquoted names (PostgreSQL to lower case, some to upper case) while
// Qt looks the name up as given, so the folded spellings are tried too.
QStringList columnsOf(const QSqlDatabase& db, const QString& table)
{
  for (const QString& spelling : {table, table.toLower(), table.toUpper()}) {
    QSqlRecord record = db.record(spelling);
    QStringList names;
    for (int i = 0; i < record.count(); ++i) names << record.fieldName(i);
    if (!names.isEmpty()) return names;
  }
  return {};
}
}  // namespace

bool isPlainTableName(const QString& name)
{
  static const QRegularExpression plain(
      QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
  return name.size() <= 255 && plain.match(name).hasMatch();
}

LogDatabase::LogDatabase(const DatabaseOptions& options, std::int32_t connection,
                         const QString& table)
    : connectionName_(q9x::logConnectionName(connection)), table_(table)
{
  if (!isPlainTableName(table)) throw DatabaseError(("Not a plain table name: " + table).toStdString());
  if (QSqlDatabase::contains(connectionName_))
    throw DatabaseError(("The connection " + connectionName_ + " is already open").toStdString());
  if (!QSqlDatabase::isDriverAvailable(options.driver))
    throw DatabaseError(("The Qt SQL driver " + options.driver + " is not installed (available: " +
                         QSqlDatabase::drivers().join(", ") + ")")
                            .toStdString());

  QSqlDatabase db = QSqlDatabase::addDatabase(options.driver, connectionName_);
  db.setDatabaseName(options.databaseName);
  if (!options.host.isEmpty()) db.setHostName(options.host);
  if (options.port > 0) db.setPort(options.port);
  if (!options.user.isEmpty()) db.setUserName(options.user);
  if (!options.password.isEmpty()) db.setPassword(options.password);
  if (!db.open()) {
    DatabaseError error = errorOf("Cannot open the log " + options.databaseName, db.lastError());
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
    throw error;
  }
  columns_ = columnsOf(db, table_);
  if (columns_.isEmpty()) {
    createTable();
    columns_ = columnsOf(db, table_);
  } else if (column(kAnswerColumn).isEmpty()) {
    addAnswerColumn();
    columns_ = columnsOf(db, table_);
  }
}

// A log made by another program gets the answer column; where the table
// cannot take it (no right to alter it) the host keeps no answers.
void LogDatabase::addAnswerColumn()
{
  QSqlQuery query(database());
  query.exec("ALTER TABLE " + table_ + " ADD COLUMN " + kAnswerColumn + " TEXT");
}

LogDatabase::~LogDatabase()
{
  database().close();
  QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase LogDatabase::database() const { return QSqlDatabase::database(connectionName_, false); }

void LogDatabase::createTable()
{
  QStringList definitions;
  for (const char* name : kHostColumns) definitions << QString::fromLatin1(name) + " TEXT";
  for (const q9x::LogColumn& column : q9x::kLogColumns)
    definitions << QString::fromLatin1(column.name) + " TEXT";
  definitions << QString::fromLatin1(kAnswerColumn) + " TEXT";
  QSqlQuery query(database());
  if (!query.exec("CREATE TABLE " + table_ + " (" + definitions.join(", ") + ")"))
    throw errorOf("Cannot create the log table " + table_, query.lastError());
  // The plug-in reads the log in callsign order.
  QString index = QString(table_).replace('.', '_') + "_CallSign";
  if (!query.exec("CREATE INDEX " + index + " ON " + table_ + " (CallSign)"))
    throw errorOf("Cannot index the log table " + table_, query.lastError());
}

QString LogDatabase::column(const QString& name) const
{
  for (const QString& column : columns_)
    if (column.compare(name, Qt::CaseInsensitive) == 0) return column;
  return {};
}

QSqlQuery LogDatabase::prepareInsert(const QStringList& columns) const
{
  QSqlDatabase db = database();
  QStringList names;
  QStringList marks;
  for (const QString& column : columns) {
    names << db.driver()->escapeIdentifier(column, QSqlDriver::FieldName);
    marks << QStringLiteral("?");
  }
  QSqlQuery query(db);
  if (!query.prepare("INSERT INTO " + table_ + " (" + names.join(", ") + ") VALUES (" +
                     marks.join(", ") + ")"))
    throw errorOf("Cannot write to the log table " + table_, query.lastError());
  return query;
}

void LogDatabase::addContact(const ContactFields& contact, const QDateTime& utc, int answer)
{
  const std::pair<const char*, QString> values[] = {
      {"QSODate", utc.date().toString(Qt::ISODate)},
      {"QSOTime", utc.time().toString(QStringLiteral("HH:mm"))},
      {"CallSign", contact.callSign},
      {"DigiBand", contact.digiBand},
      {"QSOMode", contact.qsoMode},
      {"Continent", contact.continent},
      {"QSOReportRecived", contact.reportReceived},
      {"MainPrefix", contact.mainPrefix},
      {"DXCCPrefix", contact.dxccPrefix},
      {kAnswerColumn, QString::number(answer)},
  };
  QList<QPair<QString, QString>> row;
  for (const auto& [name, value] : values) row.append({QString::fromLatin1(name), value});
  addRow(row);
}

void LogDatabase::addRow(const QList<QPair<QString, QString>>& values)
{
  QStringList columns;
  std::vector<QString> bound;
  for (const auto& [name, value] : values) {
    QString column = this->column(name);
    if (column.isEmpty()) continue;  // a log of another program may lack it
    columns << column;
    bound.push_back(value);
  }
  QSqlQuery insert = prepareInsert(columns);
  for (const QString& value : bound) insert.addBindValue(value);
  if (!insert.exec()) throw errorOf("Cannot log " + values.value(0).second, insert.lastError());
}

std::vector<LoggedContact> LogDatabase::contacts() const
{
  QSqlQuery query(database());
  query.setForwardOnly(true);
  QString order;
  for (const QString& name : {QStringLiteral("QSODate"), QStringLiteral("QSOTime")})
    if (!column(name).isEmpty()) order += (order.isEmpty() ? " ORDER BY " : ", ") + column(name);
  if (!query.exec("SELECT * FROM " + table_ + order))
    throw errorOf("Cannot read the log " + table_, query.lastError());
  const QSqlRecord record = query.record();
  auto indexOf = [&](const char* name) { return record.indexOf(column(QString::fromLatin1(name))); };
  const int date = indexOf("QSODate"), time = indexOf("QSOTime"), frequency = indexOf("Frequency"),
            call = indexOf("CallSign"), band = indexOf("DigiBand"), mode = indexOf("QSOMode"),
            continent = indexOf("Continent"), report = indexOf("QSOReportRecived"),
            main = indexOf("MainPrefix"), dxcc = indexOf("DXCCPrefix"), answer = indexOf(kAnswerColumn);
  auto text = [&](int index) { return index < 0 ? QString() : query.value(index).toString(); };
  std::vector<LoggedContact> contacts;
  while (query.next()) {
    LoggedContact contact{text(date), text(time), text(frequency),
                          ContactFields{text(call), text(band), text(mode), text(continent), text(report),
                                        text(main), text(dxcc)},
                          text(answer)};
    contacts.push_back(std::move(contact));
  }
  return contacts;
}

qint64 LogDatabase::rowCount() const
{
  QSqlQuery query(database());
  if (!query.exec("SELECT COUNT(*) FROM " + table_) || !query.next())
    throw errorOf("Cannot count the log " + table_, query.lastError());
  return query.value(0).toLongLong();
}

}  // namespace q9xhost
