#include "tests/fuzz/exports/FuzzHost.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/qt/ErrorReport.h"

namespace q9xfuzz {

namespace {
std::size_t errors = 0;

void createLog(const QString& connection, bool withRows)
{
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
  db.setDatabaseName(QStringLiteral(":memory:"));
  if (!db.open()) fail("no in-memory database");
  QSqlQuery q(db);
  q.exec(QStringLiteral("create table Log (CallSign text, DigiBand text, QSOMode text, Continent text, "
                        "QSOReportRecived text, MainPrefix text, DXCCPrefix text)"));
  // A table of the host's that lacks a column the scan reads.
  q.exec(QStringLiteral("create table Odd (CallSign text, DigiBand integer, QSOMode blob)"));
  if (!withRows) return;
  q.exec(QStringLiteral("insert into Log values ('UA3ABC', '3.5', 'CW', 'eu', '599 AB', 'UA3A', 'UA3A'),"
                        "('R1AA', '7', 'SSB', 'EU', '59 LO12', 'R1', 'UA'),"
                        "('UA3ABC', '3.5', 'CW', 'EU', '599 AB', 'UA3A', 'UA3A'),"
                        "('DL1X', '14', 'DIGI', NULL, NULL, 'DL', 'DL')"));
  q.exec(QStringLiteral("insert into Odd values ('UA3ABC', 7, x'00ff')"));
}
}  // namespace

void startHost()
{
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Stored window settings go to a folder of this run, not the user's.
  static char folder[] = "/tmp/q9x-fuzz-XXXXXX";
  if (!mkdtemp(folder)) fail("no temporary folder");
  setenv("XDG_CONFIG_HOME", folder, 1);
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  });
  static int argc = 1;
  static char name[] = "fuzz_exports";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
  createLog(QString::fromLatin1(QSqlDatabase::defaultConnection), true);
  createLog(QStringLiteral("1"), false);
  q9x::setErrorSink([](const QString& text) {
    if (text.isEmpty()) fail("an error was reported without a text");
    ++errors;
  });
}

std::size_t reportedErrors() { return errors; }

void fail(const std::string& what)
{
  std::fprintf(stderr, "fuzz_exports: %s\n", what.c_str());
  std::abort();
}

}  // namespace q9xfuzz
