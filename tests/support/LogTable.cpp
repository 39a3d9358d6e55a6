#include "tests/support/LogTable.h"

#include <gtest/gtest.h>

#include <QSqlError>
#include <QSqlQuery>

namespace q9xtest {

namespace {
// Rows are numbered in the order they were written.
void insertRow(QSqlQuery& insert, int id, const LogEntry& row)
{
  insert.addBindValue(id);
  for (const QVariant& value : {row.CallSign, row.DigiBand, row.QSOMode, row.QSOReportRecived,
                                row.MainPrefix, row.DXCCPrefix, row.Continent})
    insert.addBindValue(value.isNull() ? QVariant(QMetaType::fromType<QString>()) : value);
  ASSERT_TRUE(insert.exec()) << insert.lastError().text().toStdString();
}

QString insertStatement(const QString& table)
{
  return QStringLiteral("insert into %1 (Id, CallSign, DigiBand, QSOMode, QSOReportRecived, "
                        "MainPrefix, DXCCPrefix, Continent) values (?, ?, ?, ?, ?, ?, ?, ?)")
      .arg(table);
}
}  // namespace

void execute(QSqlDatabase db, const QString& statement)
{
  QSqlQuery query(db);
  ASSERT_TRUE(query.exec(statement)) << statement.toStdString() << ": "
                                     << query.lastError().text().toStdString();
}

void createLogTable(QSqlDatabase db, const QString& table, const std::vector<LogEntry>& rows,
                    const QString& callSignType)
{
  execute(db, QStringLiteral("create temporary table %1 (Id integer, CallSign %2, DigiBand text, "
                             "QSOMode text, QSOReportRecived text, MainPrefix text, "
                             "DXCCPrefix text, Continent text)")
                  .arg(table, callSignType));
  db.transaction();
  QSqlQuery insert(db);
  insert.prepare(insertStatement(table));
  int id = 0;
  for (const LogEntry& row : rows) insertRow(insert, ++id, row);
  db.commit();
}

void addLogRow(QSqlDatabase db, const QString& table, const LogEntry& row)
{
  QSqlQuery count(db);
  ASSERT_TRUE(count.exec("select count(*) from " + table) && count.next());
  const int id = count.value(0).toInt() + 1;
  QSqlQuery insert(db);
  insert.prepare(insertStatement(table));
  insertRow(insert, id, row);
}

void ensureEmptyLog()
{
  if (QSqlDatabase::contains()) return;
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
  db.setDatabaseName(QStringLiteral(":memory:"));
  EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
  createLogTable(db, QStringLiteral("Log"));
}

EmptyLog::EmptyLog() { ensureEmptyLog(); }

EmptyLog::~EmptyLog()
{
  QSqlDatabase::database().close();
  QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
}

}  // namespace q9xtest
