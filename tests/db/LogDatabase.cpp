#include "LogDatabase.h"

#include <gtest/gtest.h>

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <set>
#include <sstream>
#include <tuple>

#include "engine/LogScan.h"
#include "platform/qt/QtLogReaders.h"
#include "platform/qt/QtSqlLogReader.h"

namespace q9x::test {

std::vector<LogEntry> weekendLog(int rows)
{
  static const char* const calls[] = {"RA1A", "ra1a", "RA1A/P", "R/A1", "UA3AB", "ua3ab", "UA3A",
                                      "RV3DX", "RV3DX/M", "rv3dy", "DL1AA", "dl1aa", "OH2A",
                                      "UA2FZ", "ua2fz", "RW3C-1", "RW3C_1", "R1"};
  static const char* const bands[] = {"3.5", "7", "14", "7 ", "28", "1.8", "3.5:7"};
  static const char* const modes[] = {"RTTY", "PSK31", "FT8"};
  static const char* const prefixes[] = {"UA3A", "RA3C", "R1", "ua3a", "UA2", "DL"};
  static const char* const reports[] = {"599 AB", "599 ab", "599 MO12", "599 kd-1", "599 1234",
                                        "59 CL", "599 A", ""};

  // The other fields follow from callsign, band and mode, so a repeated
  // contact is an exact copy and the figures do not depend on which copy the
  // database returns first.
  std::vector<LogEntry> log;
  log.reserve(static_cast<std::size_t>(rows));
  unsigned seed = 20240601;
  auto pick = [&seed](std::size_t count) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % count;
  };
  for (int i = 0; i < rows; ++i) {
    std::size_t call = pick(std::size(calls));
    std::size_t band = pick(std::size(bands));
    std::size_t mode = pick(std::size(modes));
    std::size_t key = call * 131 + band * 17 + mode;
    LogEntry e;
    e.CallSign = QString::fromLatin1(calls[call]);
    e.DigiBand = QString::fromLatin1(bands[band]);
    e.QSOMode = QString::fromLatin1(modes[mode]);
    e.MainPrefix = QString::fromLatin1(prefixes[key % std::size(prefixes)]);
    e.QSOReportRecived = QString::fromLatin1(reports[(key / 3) % std::size(reports)]);
    e.Continent = (key % 2) ? QStringLiteral("eu") : QStringLiteral("AS");
    log.push_back(e);
  }
  return log;
}

std::size_t distinctContacts(const std::vector<LogEntry>& rows)
{
  std::set<std::tuple<QString, QString, QString>> seen;
  for (const LogEntry& e : rows)
    seen.emplace(e.CallSign.toString(), e.DigiBand.toString(), e.QSOMode.toString());
  return seen.size();
}

std::string describeFigures(const ContestEngine& engine, bool keepOrder)
{
  std::ostringstream out;
  std::vector<std::string> stats;
  for (const TStatistic& s : engine.stats().list())
    stats.push_back("[" + s.Band + "] " + std::to_string(s.QSOs) + " " + std::to_string(s.Points) +
                    " " + std::to_string(s.AreaMults) + " " + std::to_string(s.RdaMults));
  std::vector<std::string> area = engine.areaWorked().list();
  std::vector<std::string> rda = engine.rdaWorked().list();
  if (!keepOrder) {
    std::sort(stats.begin(), stats.end());
    std::sort(area.begin(), area.end());
    std::sort(rda.begin(), rda.end());
  }
  std::vector<std::string> contacts;
  for (const TQSO& q : engine.qsoList().list())
    contacts.push_back(q.CallSign + " [" + q.Band + "] " + q.Mode);
  // Contacts of one callsign are kept in the order their band and mode first came.
  if (!keepOrder) std::sort(contacts.begin(), contacts.end());
  const Totals& t = engine.stats().totals();
  out << "totals " << t.QSOs << " " << t.Points << " " << t.Area << " " << t.Rda << " score "
      << t.score() << "\n";
  for (const std::string& s : stats) out << "band " << s << "\n";
  for (const std::string& k : area) out << "area " << k << "\n";
  for (const std::string& k : rda) out << "rda " << k << "\n";
  for (const std::string& q : contacts) out << "qso " << q << "\n";
  return out.str();
}

std::unique_ptr<ConnectionLogReader> logReader(Reading reading, std::int32_t connection)
{
  if (reading == Reading::QtSqlOnly) return std::make_unique<QtSqlLogReader>(connection);
  return std::make_unique<QtLogReader>(connection);
}

bool readsNatively(const ConnectionLogReader& reader)
{
  const auto* picking = dynamic_cast<const QtLogReader*>(&reader);
  return picking && picking->readsNatively();
}

namespace {
std::string describeRow(const LogRow& r)
{
  std::string out;
  for (const std::string* f : {&r.QSOReportRecived, &r.DXCCPrefix, &r.MainPrefix, &r.CallSign,
                               &r.DigiBand, &r.QSOMode, &r.Continent})
    out += "[" + *f + "]";
  return out;
}
}  // namespace

LogReadOutcome readLog(ConnectionLogReader& reader, const std::function<void()>& events)
{
  LogReadOutcome out;
  ContestEngine engine;
  // Fields no row overwrites show as these.
  LogRow row{"report", "dxcc", "main", "call", "band", "mode", "cont"};
  try {
    reader.open("Log");
    events();
    reader.resumeAfterEvents();
    countLog(engine, reader, row, "UA3A");
  } catch (const std::exception& e) {
    out.error = e.what();
  }
  out.native = readsNatively(reader);
  reader.close();
  out.figures = describeFigures(engine, true);
  out.record = describeRow(row);
  return out;
}

void PostgresServerTest::SetUp()
{
  if (qEnvironmentVariableIsEmpty("Q9X_PG_PORT")) {
    if (qEnvironmentVariable("CI") == QLatin1String("true"))
      FAIL() << "No PostgreSQL server: scripts/postgres.sh could not start one";
    GTEST_SKIP() << "No PostgreSQL server (Q9X_PG_PORT unset); run through scripts/test.sh";
  }
}

QSqlDatabase openPostgresServer(const QString& connectionName)
{
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
  db.setHostName(qEnvironmentVariable("Q9X_PG_HOST", QStringLiteral("127.0.0.1")));
  db.setPort(qEnvironmentVariableIntValue("Q9X_PG_PORT"));
  db.setUserName(qEnvironmentVariable("Q9X_PG_USER"));
  db.setDatabaseName(qEnvironmentVariable("Q9X_PG_DATABASE"));
  EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
  return db;
}

}  // namespace q9x::test
