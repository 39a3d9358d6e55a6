// q9x-host driven from the command line over the real plug-in, as a script
// that checks a log's score would drive it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "HostProcess.h"

namespace {

QString readText(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeText(const QString& path, const QString& text)
{
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.toUtf8());
}

const QString kHeader = "CallSign,DigiBand,QSOMode,QSOReportRecived,MainPrefix,DXCCPrefix,Continent\n";
const QString kGoodRows =
    "R3AA,7,RTTY,599 AB,UA3A,UA3A,EU\n"
    "RA4XY,3.5,RTTY,599 TA15,UA4,UA,EU\n"
    "DL1ABC,14,FT4,599 001,DL,DL,eu\n";

struct ReportCase {
  const char* name;
  QStringList options;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

class SampleLogReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(SampleLogReport, PrintsTheFiguresWorkedOutFromTheRules)
{
  HostProcess host;
  const QStringList common = QStringList{"--log", host.path("log.sqlite"), "--my-prefix", "UA3A",
                                         "--report"} + GetParam().options;
  const QString expected = readText(Q9X_SAMPLE_EXPECTED);
  ASSERT_FALSE(expected.isEmpty());

  HostRun imported = host.run(common + QStringList{"--import", Q9X_SAMPLE_CSV});
  ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
  EXPECT_EQ(imported.out.toStdString(), expected.toStdString());

  // The log stays in the database: a later run recalculates the same figures.
  HostRun again = host.run(common);
  ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
  EXPECT_EQ(again.out.toStdString(), expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Host, SampleLogReport,
    ::testing::Values(ReportCase{"DefaultConnection", {}},
                      ReportCase{"NamedConnection", {"--connection", "7"}},
                      ReportCase{"OtherTable", {"--table", "Contest2024"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A multi-operator station keeps its log on a server: the same figures come
// out. The server comes from scripts/postgres.sh through Q9X_PG_*.
TEST(HostReport, PostgresLogGivesTheSameFigures)
{
  if (qEnvironmentVariableIsEmpty("Q9X_PG_PORT")) {
    if (qEnvironmentVariable("CI") == QLatin1String("true")) FAIL() << "No PostgreSQL server";
    GTEST_SKIP() << "No PostgreSQL server (Q9X_PG_PORT unset); run through scripts/test.sh";
  }
  // Other tests share the server: a table of this run's own.
  const QString table = QString("host_sample_%1").arg(QCoreApplication::applicationPid());
  HostProcess host;
  HostRun run = host.run({"--db", "QPSQL", "--db-host", qEnvironmentVariable("Q9X_PG_HOST", "127.0.0.1"),
                          "--db-port", qEnvironmentVariable("Q9X_PG_PORT"), "--db-user",
                          qEnvironmentVariable("Q9X_PG_USER"), "--log",
                          qEnvironmentVariable("Q9X_PG_DATABASE"), "--table", table, "--connection",
                          "12", "--my-prefix", "UA3A", "--import", Q9X_SAMPLE_CSV, "--report"});
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "cleanup");
    db.setHostName(qEnvironmentVariable("Q9X_PG_HOST", "127.0.0.1"));
    db.setPort(qEnvironmentVariableIntValue("Q9X_PG_PORT"));
    db.setUserName(qEnvironmentVariable("Q9X_PG_USER"));
    db.setDatabaseName(qEnvironmentVariable("Q9X_PG_DATABASE"));
    if (db.open()) QSqlQuery(db).exec("DROP TABLE IF EXISTS " + table);
  }
  QSqlDatabase::removeDatabase("cleanup");

  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out.toStdString(), readText(Q9X_SAMPLE_EXPECTED).toStdString());
}

TEST(HostReport, PluginErrorGivesNonZeroStatusAndItsText)
{
  HostProcess host;
  const QString log = host.path("log.sqlite");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "setup");
    db.setDatabaseName(log);
    ASSERT_TRUE(db.open());
    QSqlQuery(db).exec("CREATE TABLE NoContinent (CallSign TEXT, DigiBand TEXT, QSOMode TEXT, "
                       "QSOReportRecived TEXT, MainPrefix TEXT, DXCCPrefix TEXT)");
    // The columns are looked up at the first row: the table needs one.
    QSqlQuery(db).exec("INSERT INTO NoContinent VALUES ('R1AA', '7', 'RTTY', '599 AB', 'UA3A', 'UA3A')");
  }
  QSqlDatabase::removeDatabase("setup");

  HostRun run = host.run({"--log", log, "--table", "NoContinent", "--report"});
  EXPECT_NE(run.exitCode, 0);
  EXPECT_TRUE(run.err.contains("Field 'Continent' not found")) << run.err.toStdString();
  EXPECT_FALSE(run.out.contains("Score:")) << run.out.toStdString();
}

// The plug-in puts the table name into its statement as it stands.
TEST(HostReport, RefusesATableNameThatIsNotPlain)
{
  HostProcess host;
  const QString log = host.path("log.sqlite");
  HostRun run = host.run({"--log", log, "--table", "Log; DROP TABLE Log", "--report"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.contains("plain table name")) << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(log));
}

TEST(HostScreenshot, SavesBothPluginWindows)
{
  HostProcess host;
  const QString log = host.path("log.sqlite");
  const QString shots = host.path("shots");
  HostRun run = host.run({"--log", log, "--import", Q9X_SAMPLE_CSV, "--screenshot", shots});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  for (const char* window : {"fmMainForm", "fmDomList"}) {
    QImage image(shots + "/" + window + ".png");
    EXPECT_FALSE(image.isNull()) << window;
  }
  EXPECT_EQ(QImage(shots + "/fmMainForm.png").size(), QSize(328, 121));
}

TEST(HostLoader, RefusesALibraryThatLacksExportsAndNamesThem)
{
  HostProcess host;
  HostRun run = host.run({"--library", Q9X_INCOMPLETE_PLUGIN, "--log", host.path("log.sqlite"), "--report"});
  // The stand-in aborts if any of its functions is called: a refusal is a clean exit.
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("does not export _GetScore, _AddQSO, _GrabNumber, _Release"))
      << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(host.path("log.sqlite"))) << "refused before the log was opened";

  HostRun missing =
      host.run({"--library", host.path("nothing.so"), "--log", host.path("log.sqlite"), "--report"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_TRUE(missing.err.contains("Cannot load the plug-in")) << missing.err.toStdString();
}

struct MalformedCase {
  const char* name;
  QString csv;
  const char* line;
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

class MalformedImport : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedImport, NamesTheLineAndLeavesTheLogAsItWas)
{
  HostProcess host;
  const QString log = host.path("log.sqlite");
  writeText(host.path("good.csv"), kHeader + kGoodRows);
  ASSERT_EQ(host.run({"--log", log, "--import", host.path("good.csv"), "--report"}).exitCode, 0);
  ASSERT_EQ(countRows(log, "Log"), 3);

  writeText(host.path("bad.csv"), GetParam().csv);
  HostRun run = host.run({"--log", log, "--import", host.path("bad.csv"), "--report"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains(GetParam().line)) << run.err.toStdString();
  EXPECT_FALSE(run.out.contains("Score:")) << "nothing runs after a failed import";
  EXPECT_EQ(countRows(log, "Log"), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Host, MalformedImport,
    ::testing::Values(
        MalformedCase{"MissingField", kHeader + kGoodRows + "R3BB,7,RTTY,599 BR,UA3A,UA3A\n", "line 5"},
        MalformedCase{"ExtraField", kHeader + "R3BB,7,RTTY,599 BR,UA3A,UA3A,EU,x\n" + kGoodRows, "line 2"},
        MalformedCase{"UnclosedQuote", kHeader + kGoodRows + "R3BB,7,RTTY,\"599 BR,UA3A,UA3A,EU\n",
                      "line 5"},
        MalformedCase{"TextAfterQuote", kHeader + "R3BB,7,RTTY,\"599\" BR,UA3A,UA3A,EU\n", "line 2"},
        MalformedCase{"UnknownColumn", "CallSign,Band,QSOMode\nR3BB,7,RTTY\n", "line 1"},
        MalformedCase{"EmptyFile", "", "line 1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostImport, KeepsQuotedCommasAndQuotesAndSkipsBlankLines)
{
  HostProcess host;
  const QString log = host.path("log.sqlite");
  writeText(host.path("quoted.csv"),
            "\xEF\xBB\xBF" + kHeader + "\r\n" + "R3AA,7,RTTY,\"599, \"\"AB\"\"\",UA3A,UA3A,EU\r\n");
  HostRun run = host.run({"--log", log, "--import", host.path("quoted.csv"), "--report"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

  QString stored;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "read");
    db.setDatabaseName(log);
    ASSERT_TRUE(db.open());
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec("SELECT QSOReportRecived FROM Log") && query.next());
    stored = query.value(0).toString();
  }
  QSqlDatabase::removeDatabase("read");
  EXPECT_EQ(stored.toStdString(), "599, \"AB\"");
}

}  // namespace


