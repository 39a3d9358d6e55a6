// Recalculation of the statistics window from SQLite logs, the host's
// embedded database.

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "LogDatabase.h"
#include "StatisticsWindowHost.h"
#include "plugin/q9xcup.h"

namespace q9x::test {
namespace {

LogEntry contact(const char* call, const char* band = "7", const char* mode = "RTTY")
{
  LogEntry e;
  e.CallSign = QString::fromLatin1(call);
  e.DigiBand = QString::fromLatin1(band);
  e.QSOMode = QString::fromLatin1(mode);
  return e;
}

class SqliteLog : public ::testing::Test {
 protected:
  void TearDown() override
  {
    host.window.reset();
    for (const QString& name : QSqlDatabase::connectionNames()) {
      QSqlDatabase::database(name, false).close();
      QSqlDatabase::removeDatabase(name);
    }
  }

  // An empty in-memory database under the connection name (default when empty).
  static QSqlDatabase database(const QString& name = QString())
  {
    QSqlDatabase db = name.isEmpty() ? QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"))
                                     : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(QStringLiteral(":memory:"));
    EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    return db;
  }

  std::string field(const TShortString& f) const { return std::string(readShort(f)); }

  StatisticsWindowHost host;
};

TEST_F(SqliteLog, RepeatedContactsAreCountedOnce)
{
  createLogTable(database(), "Log",
                 {contact("R1AA"), contact("R1AA"), contact("R1AA", "3.5"), contact("R1AA", "7", "FT8"),
                  contact("r1aa"), contact("R1AA")});
  host.open(0, "Log");
  EXPECT_TRUE(host.errors.isEmpty()) << host.errors.join('\n').toStdString();
  EXPECT_EQ(host.engine().stats().totals().QSOs, 4);
  EXPECT_EQ(host.cell(3, 1), "4");
  EXPECT_EQ(host.cell(2, 1), "3");  // 40 m
  EXPECT_EQ(host.cell(1, 1), "1");  // 80 m
}

TEST_F(SqliteLog, FourteenMegahertzLogScoresZeroButCountsMultipliers)
{
  LogEntry area = contact("R1AA", "14");
  LogEntry rda = contact("DL1AA", "14");
  rda.MainPrefix = QStringLiteral("DL");
  rda.QSOReportRecived = QStringLiteral("599 mo12");
  createLogTable(database(), "Log", {area, rda});
  host.open(0, "Log");
  const Totals& t = host.engine().stats().totals();
  EXPECT_EQ(t.QSOs, 2);
  EXPECT_EQ(t.Points, 0);
  EXPECT_EQ(t.Area, 1);
  EXPECT_EQ(t.Rda, 1);
  EXPECT_EQ(t.score(), 0);
  EXPECT_EQ(host.cell(3, 1), "2");
  EXPECT_EQ(host.cell(3, 2), "0");
}

TEST_F(SqliteLog, RecordAfterTheScanHoldsTheLastRowInCallsignOrder)
{
  LogEntry last = contact("UA3AZ", "3.5", "PSK31");
  last.Continent = QStringLiteral("as");
  last.QSOReportRecived = QStringLiteral("599 ZZ");
  last.MainPrefix = QStringLiteral("RA3C");
  last.DXCCPrefix = QStringLiteral("ua3a");
  // Entered last-first: only the statement's ordering puts UA3AZ at the end.
  createLogTable(database(), "Log", {last, contact("R1AA", "28"), contact("DL1AA", "14")});
  host.open(0, "Log", "7");
  EXPECT_EQ(field(host.current.CallSign), "UA3AZ");
  EXPECT_EQ(field(host.current.QSOMode), "PSK31");
  EXPECT_EQ(field(host.current.QSOReportRecived), "599 ZZ");
  EXPECT_EQ(field(host.current.MainPrefix), "RA3C");
  EXPECT_EQ(field(host.current.DXCCPrefix), "ua3a");
  EXPECT_EQ(field(host.current.Continent), "AS");
  EXPECT_EQ(field(host.current.DigiBand), "7");  // the host's band, not the row's
  EXPECT_EQ(field(host.current.TableName), "Log");
  EXPECT_EQ(field(host.current.MyMainPrefix), "UA3A");
}

TEST_F(SqliteLog, TableNameGoesIntoTheStatementAsGiven)
{
  createLogTable(database(), "\"Log 2024\"", {contact("R1AA")});
  host.open(0, "\"Log 2024\"");
  EXPECT_TRUE(host.errors.isEmpty()) << host.errors.join('\n').toStdString();
  EXPECT_EQ(host.engine().stats().totals().QSOs, 1);
}

TEST_F(SqliteLog, NullReadsAsEmptyText)
{
  LogEntry nulls;
  nulls.CallSign = QStringLiteral("R1AA");
  nulls.QSOReportRecived = QVariant();
  nulls.MainPrefix = QVariant();
  nulls.DXCCPrefix = QVariant();
  nulls.Continent = QVariant();
  nulls.QSOMode = QVariant();
  createLogTable(database(), "Log", {nulls});
  host.open(0, "Log");
  EXPECT_EQ(field(host.current.QSOReportRecived), "");
  EXPECT_EQ(field(host.current.Continent), "");
  EXPECT_EQ(field(host.current.MainPrefix), "");
  ASSERT_EQ(host.engine().qsoList().size(), 1u);
  EXPECT_EQ(host.engine().qsoList().list()[0].Mode, "");
  EXPECT_EQ(host.engine().stats().totals().Points, 5);  // an empty prefix is outside the area
}

TEST_F(SqliteLog, LongTextsAreCutTo255Bytes)
{
  LogEntry longRow = contact("R1AA");
  longRow.QSOReportRecived = QString(300, QLatin1Char('1')) + QStringLiteral(" KD");
  createLogTable(database(), "Log", {longRow});
  host.open(0, "Log");
  EXPECT_EQ(field(host.current.QSOReportRecived), std::string(255, '1'));
  // The code at the end of the exchange was cut off with it.
  EXPECT_EQ(host.engine().stats().totals().Area, 0);
}

TEST_F(SqliteLog, RecalculationEmptiesAndRebuilds)
{
  QSqlDatabase db = database();
  createLogTable(db, "Log", {contact("R1AA"), contact("R1AB"), contact("R1AC", "3.5")});
  host.open(0, "Log");
  ASSERT_EQ(host.engine().stats().totals().QSOs, 3);
  const AreaTable areaTable = host.areaTable();

  execute(db, "delete from Log where CallSign in ('R1AA', 'R1AC')");
  execute(db, "insert into Log (CallSign, DigiBand, QSOMode, QSOReportRecived, MainPrefix, "
              "DXCCPrefix, Continent) values ('DL1AA', '14', 'FT8', '599 KD12', 'DL', 'DL', 'EU')");
  host.recalc();
  EXPECT_TRUE(host.errors.isEmpty()) << host.errors.join('\n').toStdString();
  EXPECT_EQ(describeFigures(host.engine(), true),
            "totals 2 1 1 1 score 2\n"
            "band [14] 1 0 0 1\n"
            "band [7] 1 1 1 0\n"
            "area 7|AB|\n"
            "rda 14|KD12|\n"
            "qso DL1AA [14] FT8\n"
            "qso R1AB [7] RTTY\n");
  EXPECT_EQ(host.cell(1, 1), "");  // 80 m has no contacts left
  EXPECT_EQ(host.cell(3, 1), "2");
  EXPECT_EQ(host.areaTable(), areaTable);
}

TEST_F(SqliteLog, EmptyLogLeavesEverythingAtZero)
{
  createLogTable(database(), "Log", {});
  host.open(0, "Log", "3.5");
  EXPECT_TRUE(host.errors.isEmpty());
  EXPECT_EQ(host.cell(3, 1), "0");
  EXPECT_EQ(field(host.current.DigiBand), "3.5");
}

TEST_F(SqliteLog, ConnectionZeroIsTheDefaultAndNumbersNameConnections)
{
  createLogTable(database(), "Log", {contact("R1AA")});
  createLogTable(database("7"), "Log", {contact("R1AA"), contact("R1AB"), contact("R1AC")});
  host.open(7, "Log");
  EXPECT_EQ(host.engine().stats().totals().QSOs, 3);
  host.window.reset();
  host.open(0, "Log");
  EXPECT_EQ(host.engine().stats().totals().QSOs, 1);
}

TEST_F(SqliteLog, MissingColumnIsNamed)
{
  QSqlDatabase db = database();
  execute(db, "create table Log (CallSign text, DigiBand text, QSOMode text, "
              "QSOReportRecived text, MainPrefix text, Continent text)");
  execute(db, "insert into Log values ('R1AA', '7', 'RTTY', '599 AB', 'UA3A', 'EU')");
  host.open(0, "Log");
  EXPECT_EQ(host.errors, QStringList{"LogQuery: Field 'DXCCPrefix' not found"});
  EXPECT_EQ(host.engine().stats().totals().QSOs, 0);
  EXPECT_TRUE(host.recalcEnabled());
}

// The columns are looked up at the first row: an empty table needs none of
// them, and a row stops at the missing one with the fields before it read.
TEST_F(SqliteLog, MissingColumnMattersOnlyOnceARowIsRead)
{
  QSqlDatabase db = database();
  execute(db, "create table Log (QSOReportRecived text, DXCCPrefix text, MainPrefix text, CallSign text)");
  host.open(0, "Log", "7");
  EXPECT_TRUE(host.errors.isEmpty()) << host.errors.join('\n').toStdString();
  EXPECT_EQ(host.cell(3, 1), "0");
  EXPECT_EQ(host.cell(3, 4), "0");

  execute(db, "insert into Log values ('599 AB', 'UA3A', 'RA3C', 'R1AA')");
  writeShort(host.current.QSOMode, "FT8");
  host.recalc();
  EXPECT_EQ(host.errors, QStringList{"LogQuery: Field 'DigiBand' not found"});
  EXPECT_EQ(field(host.current.QSOReportRecived), "599 AB");
  EXPECT_EQ(field(host.current.CallSign), "R1AA");
  EXPECT_EQ(field(host.current.QSOMode), "FT8");
}

TEST_F(SqliteLog, MissingTableGivesTheDatabasesText)
{
  QSqlDatabase db = database();
  QSqlQuery probe(db);
  ASSERT_FALSE(probe.exec("Select * from Nowhere order by CallSign"));
  const QString databaseText = probe.lastError().text();

  createLogTable(db, "Log", {contact("R1AA")});
  TfmMainForm& window = host.open(0, "Log");
  ASSERT_EQ(host.engine().stats().totals().QSOs, 1);
  writeShort(host.current.TableName, "Nowhere");
  host.recalc();
  EXPECT_EQ(host.errors, QStringList{databaseText});
  EXPECT_EQ(host.engine().stats().totals().QSOs, 0);  // emptied before the query ran
  EXPECT_EQ(host.cell(3, 1), "");
  EXPECT_TRUE(host.recalcEnabled());
  EXPECT_TRUE(window.isVisible());
}

TEST_F(SqliteLog, UnusableConnectionsAreReported)
{
  createLogTable(database(), "Log", {contact("R1AA")});
  host.open(9, "Log");
  ASSERT_EQ(host.errors.size(), 1);
  EXPECT_TRUE(host.errors[0].contains("'9'")) << host.errors[0].toStdString();

  host.errors.clear();
  QSqlDatabase::database().close();
  host.window.reset();
  host.open(0, "Log");
  ASSERT_EQ(host.errors.size(), 1);
  EXPECT_FALSE(host.errors[0].isEmpty());
  EXPECT_EQ(host.engine().stats().totals().QSOs, 0);
}

// A row whose reading fails part way: the rows before it stay counted and the
// record keeps the fields of the last row read, band included.
TEST_F(SqliteLog, ErrorDuringTheScanKeepsWhatWasCounted)
{
  QSqlDatabase db = database();
  createLogTable(db, "Rows", {contact("R1AA"), contact("R1AB", "3.5"), contact("R1AC"), contact("R1AD")});
  // The index lets the database stream rows in callsign order, so the failing
  // value is computed only when its row is reached.
  execute(db, "create index temp.RowsByCall on Rows (CallSign)");
  execute(db, "create temporary view Log as select Id, CallSign, DigiBand, QSOMode, "
              "case when CallSign = 'R1AC' then abs(-9223372036854775808) else QSOReportRecived end "
              "as QSOReportRecived, MainPrefix, DXCCPrefix, Continent from Rows");
  host.open(0, "Log", "28");
  ASSERT_EQ(host.errors.size(), 1);
  EXPECT_TRUE(host.errors[0].contains("overflow")) << host.errors[0].toStdString();
  EXPECT_EQ(host.engine().stats().totals().QSOs, 2);
  // The window shows the figures counted until the error, grid and score line alike.
  EXPECT_EQ(host.cell(3, 1), "2");
  EXPECT_EQ(host.scoreLine(), "Score: 2*(2+0)=4");
  EXPECT_EQ(field(host.current.CallSign), "R1AB");
  EXPECT_EQ(field(host.current.DigiBand), "3.5");
  EXPECT_TRUE(host.recalcEnabled());

  // The next recalculation starts afresh on a log that reads again.
  execute(db, "drop view Log");
  execute(db, "create temporary view Log as select * from Rows");
  host.errors.clear();
  host.recalc();
  EXPECT_TRUE(host.errors.isEmpty()) << host.errors.join('\n').toStdString();
  EXPECT_EQ(host.engine().stats().totals().QSOs, 4);
  // The band the failed scan left in the record is the one it puts back.
  EXPECT_EQ(field(host.current.DigiBand), "3.5");
}

}  // namespace
}  // namespace q9x::test
