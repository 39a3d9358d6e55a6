// Recalculation from a PostgreSQL log, the shared log of a multi-operator
// station. The server comes from scripts/postgres.sh through Q9X_PG_*; under
// CI a missing server fails these tests, elsewhere they are skipped.

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

#include "LogDatabase.h"
#include "StatisticsWindowHost.h"
#include "plugin/q9xcup.h"

namespace q9x::test {
namespace {

constexpr std::int32_t kServerConnection = 42;
constexpr int kLogRows = 800;

class PostgresLog : public PostgresServerTest {
 protected:
  void SetUp() override
  {
    PostgresServerTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    server = openPostgresServer(QString::number(kServerConnection));
    ASSERT_TRUE(server.isOpen());

    embedded = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    embedded.setDatabaseName(QStringLiteral(":memory:"));
    ASSERT_TRUE(embedded.open()) << embedded.lastError().text().toStdString();
  }

  void TearDown() override
  {
    serverHost.window.reset();
    embeddedHost.window.reset();
    server = embedded = QSqlDatabase();
    for (const QString& name : QSqlDatabase::connectionNames()) {
      QSqlDatabase::database(name, false).close();
      QSqlDatabase::removeDatabase(name);
    }
  }

  // An ICU collation of the server, which orders letter case and punctuation
  // unlike plain bytes.
  QString languageCollation()
  {
    QSqlQuery query(server);
    EXPECT_TRUE(query.exec("select collname from pg_collation where collname in "
                           "('en-x-icu', 'und-x-icu') order by collname"));
    return query.next() ? query.value(0).toString() : QString();
  }

  QStringList callsignsAsReturned(const QString& table)
  {
    QSqlQuery query(server);
    EXPECT_TRUE(query.exec("Select * from " + table + " order by CallSign"));
    QStringList calls;
    while (query.next()) calls << query.value(QStringLiteral("CallSign")).toString();
    return calls;
  }

  QSqlDatabase server;
  QSqlDatabase embedded;
  StatisticsWindowHost serverHost;
  StatisticsWindowHost embeddedHost;
};

TEST_F(PostgresLog, SameLogGivesTheSameFiguresAsSqlite)
{
  const std::vector<LogEntry> log = weekendLog(kLogRows);
  createLogTable(server, "Log", log, "text collate \"C\"");
  createLogTable(embedded, "Log", log);
  serverHost.open(kServerConnection, "Log");
  embeddedHost.open(0, "Log");
  ASSERT_TRUE(serverHost.errors.isEmpty()) << serverHost.errors.join('\n').toStdString();
  ASSERT_TRUE(embeddedHost.errors.isEmpty()) << embeddedHost.errors.join('\n').toStdString();

  EXPECT_EQ(serverHost.engine().stats().totals().QSOs, static_cast<std::int64_t>(distinctContacts(log)));
  EXPECT_EQ(describeFigures(serverHost.engine(), false), describeFigures(embeddedHost.engine(), false));
  for (int row = 1; row <= 3; ++row)
    for (int column = 1; column <= 4; ++column)
      EXPECT_EQ(serverHost.cell(row, column), embeddedHost.cell(row, column)) << row << "," << column;
  EXPECT_EQ(readShort(serverHost.current.CallSign), readShort(embeddedHost.current.CallSign));
}

TEST_F(PostgresLog, LanguageCollationStillRefusesEveryRepeat)
{
  const QString collation = languageCollation();
  ASSERT_FALSE(collation.isEmpty()) << "the server offers no ICU collation";
  const std::vector<LogEntry> log = weekendLog(kLogRows);
  createLogTable(server, "Log", log, "text collate \"" + collation + "\"");
  createLogTable(embedded, "Log", log);

  // The test means something only if the server's order is not byte order.
  QStringList returned = callsignsAsReturned("Log");
  QStringList byteOrder = returned;
  std::sort(byteOrder.begin(), byteOrder.end(),
            [](const QString& a, const QString& b) { return a.toLatin1() < b.toLatin1(); });
  ASSERT_NE(returned, byteOrder);

  serverHost.open(kServerConnection, "Log");
  embeddedHost.open(0, "Log");
  ASSERT_TRUE(serverHost.errors.isEmpty()) << serverHost.errors.join('\n').toStdString();
  EXPECT_EQ(serverHost.engine().qsoList().size(), distinctContacts(log));
  EXPECT_EQ(describeFigures(serverHost.engine(), false), describeFigures(embeddedHost.engine(), false));

  // Every contact of the log is now a repeat, whatever order it came in.
  for (const LogEntry& e : log) {
    const std::string call = e.CallSign.toString().toStdString();
    const std::string band = e.DigiBand.toString().toStdString();
    const std::string mode = e.QSOMode.toString().toStdString();
    EXPECT_EQ(serverHost.engine().points(Contact{call, band, mode, "", "", "", "UA3A"}), -1)
        << call << " " << band << " " << mode;
  }
}

TEST_F(PostgresLog, ErrorsCarryTheServersText)
{
  QSqlQuery probe(server);
  ASSERT_FALSE(probe.exec("Select * from Nowhere order by CallSign"));
  const QString serverText = probe.lastError().text();

  serverHost.open(kServerConnection, "Nowhere");
  EXPECT_EQ(serverHost.errors, QStringList{serverText});

  execute(server, "create temporary table Partial (CallSign text, DigiBand text, QSOMode text, "
                  "QSOReportRecived text, MainPrefix text, DXCCPrefix text)");
  // A missing column matters once a row is read.
  execute(server, "insert into Partial values ('UA3AA', '7', 'CW', '599 AB', 'UA3', 'UA3A')");
  serverHost.errors.clear();
  writeShort(serverHost.current.TableName, "Partial");
  serverHost.recalc();
  EXPECT_EQ(serverHost.errors, QStringList{"LogQuery: Field 'Continent' not found"});
}

}  // namespace
}  // namespace q9x::test
