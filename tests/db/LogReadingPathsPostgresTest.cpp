// A PostgreSQL log read through the connection's native libpq handle gives
// exactly what reading it through Qt SQL gives: figures, register, errors and
// the record's fields after the scan, and the connection left idle. Logs with
// columns that Qt SQL converts are read the Qt SQL way. The server comes from
// scripts/postgres.sh through Q9X_PG_*; under CI a missing server fails.

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <functional>
#include <optional>

#include "LogDatabase.h"
#include "engine/LogScan.h"
#include "platform/qt/PostgresLogReader.h"

namespace q9x::test {
namespace {

constexpr std::int32_t kConnection = 43;
const QString kConnectionName = QString::number(kConnection);

struct ScanOutcome : LogReadOutcome {
  bool idleAfter = false;
};

struct LogCase {
  const char* name;
  std::function<void(QSqlDatabase)> fill;
  bool readsNatively = true;
  // Runs where pending events run after the query opens.
  std::function<void()> events = [] {};
  // Runs once the scan is over, before the connection is closed.
  std::function<void()> afterScan = [] {};
};

// A forward-only query of the host's own, kept open across a scan.
std::optional<QSqlQuery> hostQuery;

// A table of the given column types filled with rows of literal values.
void createTable(QSqlDatabase db, const QString& types, const std::vector<QString>& rows)
{
  execute(db, "create temporary table Log (Id integer, CallSign " + types + ", Remarks text)");
  for (const QString& values : rows) execute(db, "insert into Log values (" + values + ")");
}

const QString kTextColumns =
    "text, DigiBand text, QSOMode text, QSOReportRecived text, MainPrefix text, DXCCPrefix text, "
    "Continent text";

QSqlDatabase openServer() { return openPostgresServer(kConnectionName); }

// Whether the connection is idle, so the next scan may read it natively:
// nothing of the scan is left pending. (Qt SQL itself would quietly throw
// away what is left, rows and all, before its next statement.)
bool isIdle(QSqlDatabase db)
{
  return db.isOpen() &&
         PostgresLogReader::canRead(db, "select '' as QSOReportRecived, '' as DXCCPrefix, '' as MainPrefix, "
                                        "'' as CallSign, '' as DigiBand, '' as QSOMode, '' as Continent");
}

ScanOutcome scan(const LogCase& c, Reading reading)
{
  ScanOutcome out;
  {
    QSqlDatabase db = openServer();
    c.fill(db);
    out = ScanOutcome{readLog(*logReader(reading, kConnection), c.events)};
    c.afterScan();
    out.idleAfter = isIdle(db);
    db.close();
  }
  QSqlDatabase::removeDatabase(kConnectionName);
  return out;
}

const std::vector<LogCase>& cases()
{
  static const std::vector<LogCase> all = {
      {"ordinary", [](QSqlDatabase db) { createLogTable(db, "Log", weekendLog(600)); }},
      {"integer and character columns",
       [](QSqlDatabase db) {
         createTable(db,
                     "varchar(12), DigiBand int4, QSOMode char(6), QSOReportRecived int8, "
                     "MainPrefix int2, DXCCPrefix varchar, Continent char(3)",
                     {"1, 'R1AA', 7, 'RTTY', 599, 3, 'UA3A', 'eu', ''",
                      "2, 'R1AB ', -3, 'FT8', -9223372036854775808, -32768, 'UA3A', 'E', ''",
                      "3, 'R1AC', 2147483647, NULL, 9223372036854775807, 0, NULL, NULL, ''"});
       }},
      {"junk column types",
       [](QSqlDatabase db) {
         createTable(db,
                     "text, DigiBand numeric, QSOMode boolean, QSOReportRecived timestamp, "
                     "MainPrefix bytea, DXCCPrefix float8, Continent oid",
                     {"1, 'R1AA', 7.0, true, '2024-06-01 10:00', 'UA3A', 0.1, 4294967295, ''",
                      "2, 'R1AB', 3.50, false, '2024-06-01 10:00:01.5', '\\x00ff', 1e300, 1, ''"});
       },
       false},
      {"nulls",
       [](QSqlDatabase db) {
         createTable(db, kTextColumns,
                     {"1, NULL, '7', 'RTTY', '599 AB', 'UA3A', 'UA3A', 'EU', NULL",
                      "2, 'R1AA', NULL, 'RTTY', '599 AB', 'UA3A', 'UA3A', 'EU', NULL",
                      "3, 'R1AB', '3.5', NULL, NULL, NULL, NULL, NULL, NULL"});
       }},
      {"long texts",
       [](QSqlDatabase db) {
         createTable(db, kTextColumns,
                     {"1, 'R1AA' || repeat('X', 300), '7', 'RTTY', repeat('A', 100000), 'UA3A', "
                      "'UA3A', repeat('e', 254) || 'ж', ''",
                      "2, repeat('Ж', 200), '3.5', repeat('я', 1000), '599 AB', 'UA3A', 'UA3A', "
                      "'EU', ''"});
       }},
      {"non-ASCII text",
       [](QSqlDatabase db) {
         createTable(db, kTextColumns,
                     {"1, 'УА3АБ', '7', 'RTTY', '599 МО', 'UA3A', 'UA3A', 'ев', ''",
                      "2, 'R1😀', '3.5', 'RTTY', E'\\uFEFF599 ABC', 'UA3A', 'UA3A', 'EU', ''",
                      "3, 'R1AC', '7', 'RTTY', '599 ÀB', 'UA3A', 'UA3A', 'ß', ''"});
       }},
      {"missing column",
       [](QSqlDatabase db) {
         execute(db, "create temporary table Log (CallSign text, DigiBand text, QSOMode text, "
                     "QSOReportRecived text, DXCCPrefix text, Continent text)");
         execute(db, "insert into Log values ('R1AB', '7', 'RTTY', '599 AB', 'UA3A', 'EU')");
       },
       false},
      {"missing table", [](QSqlDatabase) {}, false},
      {"error part way",
       [](QSqlDatabase db) {
         createLogTable(db, "Rows", weekendLog(40));
         execute(db, "create index RowsByCall on Rows (CallSign)");
         execute(db, "create temporary view Log as select Id, CallSign, DigiBand, QSOMode, case "
                     "when CallSign = 'RV3DX' then (1 / (Id - Id))::text else QSOReportRecived "
                     "end as QSOReportRecived, MainPrefix, DXCCPrefix, Continent from Rows");
         // An index scan: the rows before the failing one are handed over.
         execute(db, "set enable_sort = off");
       }},
      {"error before the first row",
       [](QSqlDatabase db) {
         createLogTable(db, "Rows", weekendLog(40));
         execute(db, "create temporary view Log as select Id, CallSign, DigiBand, QSOMode, case "
                     "when CallSign = 'RV3DX' then (1 / (Id - Id))::text else QSOReportRecived "
                     "end as QSOReportRecived, MainPrefix, DXCCPrefix, Continent from Rows");
       },
       true},
      {"inside the host's transaction block",
       [](QSqlDatabase db) {
         createLogTable(db, "Log", weekendLog(20));
         db.transaction();
       },
       false},
      {"client encoding changed by the host",
       [](QSqlDatabase db) {
         createTable(db, kTextColumns, {"1, 'R1ÀA', '7', 'RTTY', '599 AB', 'UA3A', 'UA3A', 'EU', ''"});
         execute(db, "set client_encoding to 'LATIN1'");
       },
       false},
      {"database closed while events run",
       [](QSqlDatabase db) { createLogTable(db, "Log", weekendLog(20)); }, false,
       [] { QSqlDatabase::database(kConnectionName).close(); }},
      // The temporary log goes with the session the host closed: the statement
      // on the reopened connection fails, and Qt SQL words the error.
      {"database reopened while events run",
       [](QSqlDatabase db) { createLogTable(db, "Log", weekendLog(20)); }, false,
       [] {
         QSqlDatabase db = QSqlDatabase::database(kConnectionName);
         db.close();
         db.open();
       }},
      {"connection removed while events run",
       [](QSqlDatabase db) { createLogTable(db, "Log", weekendLog(20)); }, false,
       [] {
         QSqlDatabase::database(kConnectionName, false).close();
         QSqlDatabase::removeDatabase(kConnectionName);
       }},
      // The host reads a query of its own on the log's connection and keeps it
      // open: it must get every one of its rows, and the scan none of them.
      {"host's own query open while events run",
       [](QSqlDatabase db) { createLogTable(db, "Log", weekendLog(20)); }, false,
       [] {
         hostQuery.emplace(QSqlDatabase::database(kConnectionName));
         hostQuery->setForwardOnly(true);
         ASSERT_TRUE(hostQuery->exec("select generate_series(1, 273)"));
         ASSERT_TRUE(hostQuery->next());
       },
       [] {
         int rows = 1;
         while (hostQuery->next()) ++rows;
         EXPECT_EQ(rows, 273) << hostQuery->lastError().text().toStdString();
         hostQuery.reset();
       }},
  };
  return all;
}

using LogReadingPathsPostgres = PostgresServerTest;

TEST_F(LogReadingPathsPostgres, NativeReadingMatchesQtSql)
{
  for (const LogCase& c : cases()) {
    SCOPED_TRACE(c.name);
    const ScanOutcome qt = scan(c, Reading::QtSqlOnly);
    const ScanOutcome native = scan(c, Reading::Fastest);
    EXPECT_FALSE(qt.native);
    EXPECT_EQ(native.native, c.readsNatively);
    EXPECT_EQ(native.error, qt.error);
    EXPECT_EQ(native.figures, qt.figures);
    EXPECT_EQ(native.record, qt.record);
    EXPECT_EQ(native.idleAfter, qt.idleAfter);
  }
}

// A scan given up part way (the window closed during a Recalc) takes the
// rest of its rows off the host's connection.
TEST_F(LogReadingPathsPostgres, ScanGivenUpLeavesTheConnectionIdle)
{
  {
    QSqlDatabase db = openServer();
    createLogTable(db, "Log", weekendLog(600));
    const auto query = logReader(Reading::Fastest, kConnection);
    query->open("Log");
    LogRow row;
    EXPECT_TRUE(query->next(row));
    EXPECT_TRUE(readsNatively(*query));
    query->close();
    EXPECT_TRUE(isIdle(db));
  }
  QSqlDatabase::removeDatabase(kConnectionName);
}

// A statement that fails before its first row is run once: its error is
// the one the user sees, and the server is not asked to run it again.
TEST_F(LogReadingPathsPostgres, FailingStatementRunsOnce)
{
  {
    QSqlDatabase db = openServer();
    createLogTable(db, "Rows", weekendLog(40));
    execute(db, "create temporary sequence Runs");
    execute(db, "create temporary view Log as with Once as materialized (select nextval('Runs')) "
                "select Id, CallSign, DigiBand, QSOMode, case when CallSign = 'RV3DX' then "
                "(1 / (Id - Id))::text else QSOReportRecived end as QSOReportRecived, MainPrefix, "
                "DXCCPrefix, Continent from Rows, Once");
    const auto query = logReader(Reading::Fastest, kConnection);
    ContestEngine engine;
    LogRow row;
    EXPECT_THROW(
        {
          query->open("Log");
          countLog(engine, *query, row, "UA3A");
        },
        std::runtime_error);
    query->close();
    QSqlQuery runs(db);
    ASSERT_TRUE(runs.exec("select last_value from Runs") && runs.next());
    EXPECT_EQ(runs.value(0).toInt(), 1);
  }
  QSqlDatabase::removeDatabase(kConnectionName);
}

// Repeats of a contact sort alike on the callsign; the server may return
// them in any order (in parallel, differently each time). The one logged
// first counts, every time, on both paths.
TEST_F(LogReadingPathsPostgres, FirstLoggedOfTheRepeatsCounts)
{
  {
    QSqlDatabase db = openServer();
    // Logged first inside the area (1 point each), then repeated from
    // outside it (5 points each).
    std::vector<LogEntry> log;
    for (const char* prefix : {"UA3A", "DL", "DL"})
      for (int i = 0; i < 3000; ++i) {
        LogEntry e;
        e.CallSign = QStringLiteral("R%1").arg(i % 1500);
        e.QSOMode = i < 1500 ? QStringLiteral("RTTY") : QStringLiteral("FT8");
        e.MainPrefix = QString::fromLatin1(prefix);
        log.push_back(e);
      }
    createLogTable(db, "Log", log);
    for (const char* setting : {"max_parallel_workers_per_gather = 4", "parallel_setup_cost = 0",
                                "parallel_tuple_cost = 0", "min_parallel_table_scan_size = 0"})
      execute(db, QStringLiteral("set ") + setting);
    for (const auto reading : {Reading::QtSqlOnly, Reading::Fastest})
      for (int run = 0; run < 3; ++run) {
        ContestEngine engine;
        const auto query = logReader(reading, kConnection);
        LogRow row;
        query->open("Log");
        EXPECT_EQ(countLog(engine, *query, row, "UA3A"), log.size());
        EXPECT_EQ(engine.stats().totals().Points, 3000) << "run " << run;
      }
  }
  QSqlDatabase::removeDatabase(kConnectionName);
}

// Only a table name is taken for the table: a name with a statement after
// it is refused before anything runs.
TEST_F(LogReadingPathsPostgres, StatementTailIsRefusedBeforeAnythingRuns)
{
  {
    QSqlDatabase db = openServer();
    createLogTable(db, "Log", weekendLog(20));
    execute(db, "create temporary table Other (x integer)");
    for (const auto reading : {Reading::QtSqlOnly, Reading::Fastest}) {
      const auto query = logReader(reading, kConnection);
      ContestEngine engine;
      LogRow row;
      EXPECT_THROW(
          {
            query->open("Log; drop table Other; --");
            countLog(engine, *query, row, "UA3A");
          },
          std::runtime_error);
      query->close();
      QSqlQuery other(db);
      EXPECT_TRUE(other.exec("select count(*) from Other")) << other.lastError().text().toStdString();
    }
    for (const char* name : {"Log", "pg_temp.Log", "\"log\""}) {
      const auto query = logReader(Reading::Fastest, kConnection);
      ContestEngine engine;
      LogRow row;
      EXPECT_NO_THROW({
        query->open(name);
        EXPECT_EQ(countLog(engine, *query, row, "UA3A"), 20u);
      }) << name;
    }
  }
  QSqlDatabase::removeDatabase(kConnectionName);
}

}  // namespace
}  // namespace q9x::test
