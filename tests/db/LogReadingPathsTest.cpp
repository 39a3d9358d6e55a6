// An SQLite log read through the connection's native handle gives exactly
// what reading it through Qt SQL gives: figures, register, errors and the
// record's fields after the scan, and no statement left open.

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>

#include "LogDatabase.h"
#include "engine/LogScan.h"

namespace q9x::test {
namespace {

struct LogCase {
  const char* name;
  std::function<void(QSqlDatabase)> fill;
  // Runs where pending events run after the query opens.
  std::function<void()> events = [] {};
  // Whatever the host did meanwhile, the whole log must be read.
  bool readsWholeLog = false;
  // The host let go of the connection meanwhile: no reading runs at all.
  bool connectionGone = false;
};

void createTable(QSqlDatabase db, const std::vector<QString>& rows)
{
  execute(db, "create table Log (Id integer, CallSign, DigiBand, QSOMode, QSOReportRecived, "
              "MainPrefix, DXCCPrefix, Continent, Remarks text)");
  for (const QString& values : rows) execute(db, "insert into Log values (" + values + ")");
}

LogReadOutcome scan(const QString& file, const LogCase& c, Reading reading)
{
  LogReadOutcome out;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(file);
    EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    c.fill(db);
    out = readLog(*logReader(reading, 0), c.events);
    // A close the host tried while events ran has its own outcome.
    if (db.isOpen() && !db.lastError().isValid()) {
      db.close();  // refused while a statement is left open
      EXPECT_FALSE(db.lastError().isValid()) << c.name << ": " << db.lastError().text().toStdString();
    }
  }
  QSqlDatabase::removeDatabase(QString::fromLatin1(QSqlDatabase::defaultConnection));
  return out;
}

const std::vector<LogCase>& cases()
{
  static const std::vector<LogCase> all = {
      {"ordinary", [](QSqlDatabase db) { createLogTable(db, "Log", weekendLog(600)); }},
      {"junk column types",
       [](QSqlDatabase db) {
         createTable(db, {"1, 'R1AA', 7, 'RTTY', 599, 'UA3A', 'UA3A', 'EU', ''",
                          "2, 'R1AB', 3.5, 'RTTY', '599 AB', 'UA3A', 'UA3A', 1.0, x''",
                          "3, x'5231414378', '7', x'525454ff59', x'35393920434c', 2.5e300, -0.0, 0.1, 1",
                          "4, 12345678901234567, 7.0, 1e-7, -9223372036854775808, 'RA3C', 3, x'c3a9', 1.5",
                          "5, 'R1AD', '3.5', 'FT8', 599.25, NULL, 'UA3A', 'eu', x'00'"});
       }},
      {"nulls",
       [](QSqlDatabase db) {
         createTable(db, {"1, NULL, '7', 'RTTY', '599 AB', 'UA3A', 'UA3A', 'EU', NULL",
                          "2, 'R1AA', NULL, 'RTTY', '599 AB', 'UA3A', 'UA3A', 'EU', NULL",
                          "3, 'R1AB', '3.5', NULL, NULL, NULL, NULL, NULL, NULL"});
       }},
      {"long texts",
       [](QSqlDatabase db) {
         createTable(db, {"1, 'R1AA' || printf('%.300c', 'X'), '7', 'RTTY', printf('%.100000c', 'A'), "
                          "'UA3A', 'UA3A', printf('%.254c', 'e') || 'ж', ''",
                          "2, printf('%.200c', 'Ж'), '3.5', printf('%.1000c', 'я'), '599 AB', 'UA3A', "
                          "'UA3A', 'EU', ''"});
       }},
      {"non-ASCII text",
       [](QSqlDatabase db) {
         createTable(db, {"1, 'УА3АБ', '7', 'RTTY', '599 МО', 'UA3A', 'UA3A', 'ев', ''",
                          "2, 'R1😀', '3.5', 'RTTY', x'efbbbf35393920414243', 'UA3A', 'UA3A', 'EU', ''",
                          "3, cast(x'c0af' as text), '7', cast(x'80' as text), cast(x'eda080' as text), "
                          "cast(x'e282' as text), cast(x'f4908080' as text), 'a' || char(0) || 'b', ''",
                          "4, 'R1AC', cast(x'e0808a' as text), 'RTTY', '599 ÀB', 'UA3A', 'UA3A', "
                          "cast(x'fe' as text), ''"});
       }},
      {"missing column",
       [](QSqlDatabase db) {
         execute(db, "create table Log (CallSign, DigiBand, QSOMode, QSOReportRecived, DXCCPrefix, Continent)");
         execute(db, "insert into Log values ('R1AB', '7', 'RTTY', '599 AB', 'UA3A', 'EU')");
         execute(db, "insert into Log values ('R1AA', '7', 'RTTY', '599 AC', 'UA3A', 'EU')");
       }},
      {"empty table missing a column",
       [](QSqlDatabase db) { execute(db, "create table Log (CallSign, DigiBand, QSOMode)"); }},
      {"missing table", [](QSqlDatabase) {}},
      {"error part way",
       [](QSqlDatabase db) {
         createLogTable(db, "Rows", weekendLog(40));
         execute(db, "create index RowsByCall on Rows (CallSign)");
         execute(db, "create view Log as select Id, CallSign, DigiBand, QSOMode, case when CallSign = "
                     "'RV3DX' then abs(-9223372036854775808) else QSOReportRecived end as "
                     "QSOReportRecived, MainPrefix, DXCCPrefix, Continent from Rows");
       }},
      {"error at the first row",
       [](QSqlDatabase db) {
         execute(db, "create view Log as select 'R1AA' as CallSign, abs(-9223372036854775808) as x");
       }},
      {"database closed while events run",
       [](QSqlDatabase db) { createLogTable(db, "Log", weekendLog(20)); },
       [] { QSqlDatabase::database().close(); }, false, true},
      {"database reopened while events run",
       [](QSqlDatabase db) { createLogTable(db, "Log", weekendLog(20)); },
       [] {
         QSqlDatabase db = QSqlDatabase::database();
         db.close();
         db.open();
       }},
      // The host closes its log, opens it again and adds a contact: its close
      // must be clean and its write must not wait for the plug-in.
      {"database reopened and written to while events run",
       [](QSqlDatabase db) {
         createTable(db, {"1, 'R1AA', '7', 'RTTY', '599 AB', 'UA3A', 'UA3A', 'EU', ''",
                          "2, 'R1AB', '3.5', 'RTTY', '599 AC', 'UA3A', 'UA3A', 'EU', ''"});
       },
       [] {
         QSqlDatabase db = QSqlDatabase::database();
         db.close();
         EXPECT_FALSE(db.lastError().isValid()) << db.lastError().text().toStdString();
         db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
         ASSERT_TRUE(db.open());
         QElapsedTimer took;
         took.start();
         QSqlQuery insert(db);
         EXPECT_TRUE(insert.exec("insert into Log values (3, 'R1AC', '7', 'RTTY', '599 AD', 'UA3A', "
                                 "'UA3A', 'EU', '')"))
             << insert.lastError().text().toStdString();
         EXPECT_LT(took.elapsed(), 1000);
       },
       true},
      {"database removed while events run",
       [](QSqlDatabase db) { createLogTable(db, "Log", weekendLog(20)); },
       [] {
         QSqlDatabase::database().close();
         QSqlDatabase::removeDatabase(QString::fromLatin1(QSqlDatabase::defaultConnection));
       },
       false, true},
  };
  return all;
}

TEST(LogReadingPaths, NativeSqliteReadingMatchesQtSql)
{
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  int file = 0;
  for (const LogCase& c : cases()) {
    SCOPED_TRACE(c.name);
    const LogReadOutcome qt = scan(dir.filePath(QString::number(++file)), c, Reading::QtSqlOnly);
    const LogReadOutcome native = scan(dir.filePath(QString::number(++file)), c, Reading::Fastest);
    EXPECT_FALSE(qt.native);
    EXPECT_EQ(native.native, !c.connectionGone);
    EXPECT_EQ(native.error, qt.error);
    EXPECT_EQ(native.figures, qt.figures);
    EXPECT_EQ(native.record, qt.record);
    if (c.readsWholeLog) {
      EXPECT_EQ(native.error, "");
    }
  }
}

// The table name is all of the statement the host decides: a name with
// anything after it is refused before anything runs, on every path, and
// plain, schema-qualified and quoted names are read.
TEST(LogReadingPaths, OnlyATableNameIsTakenForTheTable)
{
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  int file = 0;
  for (const auto reading : {Reading::QtSqlOnly, Reading::Fastest}) {
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
      db.setDatabaseName(dir.filePath(QString::number(++file)));
      ASSERT_TRUE(db.open());
      createTable(db, {"1, 'R1AA', '7', 'RTTY', '599 AB', 'UA3A', 'UA3A', 'EU', ''"});
      for (const char* name : {"Log", "main.Log", "\"Log\"", " main . [Log] ", "`Log`"}) {
        SCOPED_TRACE(name);
        ContestEngine engine;
        const auto query = logReader(reading, 0);
        LogRow row;
        EXPECT_NO_THROW({
          query->open(name);
          EXPECT_EQ(countLog(engine, *query, row, "UA3A"), 1u);
        });
      }
      for (const char* name :
           {"Log; delete from Log", "Log -- ", "Log where 0", "Log /* */", "", "Log,Log"}) {
        SCOPED_TRACE(name);
        ContestEngine engine;
        const auto query = logReader(reading, 0);
        LogRow row;
        try {
          query->open(name);
          countLog(engine, *query, row, "UA3A");
          ADD_FAILURE() << "read";
        } catch (const std::runtime_error& e) {
          EXPECT_NE(std::string(e.what()).find("is not a table name"), std::string::npos) << e.what();
        }
      }
      QSqlQuery rows(db);
      ASSERT_TRUE(rows.exec("select count(*) from Log") && rows.next());
      EXPECT_EQ(rows.value(0).toInt(), 1);
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(QSqlDatabase::defaultConnection));
  }
}

}  // namespace
}  // namespace q9x::test
