// q9x-host's command line read directly, without starting the program: what
// each option sets, and the message of each mistake.

#include <gtest/gtest.h>

#include <functional>

#include "host/HostOptions.h"

using namespace q9xhost;

namespace {

QStringList commandLine(const QStringList& options) { return QStringList{"/usr/bin/q9x-host"} + options; }

struct AcceptedCase {
  const char* name;
  QStringList options;
  std::function<QString(const HostOptions&)> read;  // the part of the options the row checks
  const char* expected;
};

void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.name; }

QString yesNo(bool value) { return value ? "yes" : "no"; }

class AcceptedCommandLine : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedCommandLine, SetsTheOption)
{
  const HostOptions options = parseHostOptions(commandLine(GetParam().options));
  EXPECT_EQ(GetParam().read(options).toStdString(), GetParam().expected);
}

const QStringList kLog = {"--log", "contest.sqlite"};

INSTANTIATE_TEST_SUITE_P(
    Host, AcceptedCommandLine,
    ::testing::Values(
        AcceptedCase{"LogName", kLog, [](const HostOptions& o) { return o.databaseName; }, "contest.sqlite"},
        AcceptedCase{"DriverDefault", kLog, [](const HostOptions& o) { return o.driver; }, "QSQLITE"},
        AcceptedCase{"DriverNamed", kLog + QStringList{"--db", "QPSQL"},
                     [](const HostOptions& o) { return o.driver; }, "QPSQL"},
        AcceptedCase{"TableDefault", kLog, [](const HostOptions& o) { return o.table; }, "Log"},
        AcceptedCase{"TableWithSchema", kLog + QStringList{"--table", "contest.Log_2024"},
                     [](const HostOptions& o) { return o.table; }, "contest.Log_2024"},
        AcceptedCase{"ConnectionDefault", kLog,
                     [](const HostOptions& o) { return QString::number(o.connection); }, "0"},
        AcceptedCase{"ConnectionLargest", kLog + QStringList{"--connection", "2147483647"},
                     [](const HostOptions& o) { return QString::number(o.connection); }, "2147483647"},
        AcceptedCase{"PortDefault", kLog, [](const HostOptions& o) { return QString::number(o.dbPort); }, "-1"},
        AcceptedCase{"PortGiven", kLog + QStringList{"--db-port", "5432"},
                     [](const HostOptions& o) { return QString::number(o.dbPort); }, "5432"},
        AcceptedCase{"CaptionDefault", kLog, [](const HostOptions& o) { return o.caption; }, "q9x-host"},
        AcceptedCase{"PluginPathDefault", kLog, [](const HostOptions& o) { return o.pluginPath; }, ""},
        AcceptedCase{"PluginPathGiven", kLog + QStringList{"--library", "/opt/libq9xcup.so"},
                     [](const HostOptions& o) { return o.pluginPath; }, "/opt/libq9xcup.so"},
        AcceptedCase{"MyCallTrimmedInCapitals", kLog + QStringList{"--my-call", " ua3aaa "},
                     [](const HostOptions& o) { return o.myCall; }, "UA3AAA"},
        AcceptedCase{"SentExchangeDefault", kLog, [](const HostOptions& o) { return o.sentExchange; }, "599 -"},
        AcceptedCase{"SentExchangeBlanksFolded", kLog + QStringList{"--sent-exchange", " 599   AB "},
                     [](const HostOptions& o) { return o.sentExchange; }, "599 AB"},
        AcceptedCase{"EntryWindowWithoutHeadlessOption", kLog,
                     [](const HostOptions& o) { return yesNo(o.headless()); }, "no"},
        AcceptedCase{"ReportIsHeadless", kLog + QStringList{"--report"},
                     [](const HostOptions& o) { return yesNo(o.report && o.headless()); }, "yes"},
        AcceptedCase{"ScreenshotIsHeadless", kLog + QStringList{"--screenshot", "shots"},
                     [](const HostOptions& o) { return yesNo(o.headless()); }, "yes"},
        AcceptedCase{"CabrilloIsHeadless", kLog + QStringList{"--cabrillo", "a.cbr", "--my-call", "UA3AAA"},
                     [](const HostOptions& o) { return yesNo(o.headless()); }, "yes"},
        AcceptedCase{"HelpNeedsNoLog", {"--help"},
                     [](const HostOptions& o) { return yesNo(o.showHelp); }, "yes"},
        AcceptedCase{"HelpNamesTheProgram", {"--help"},
                     [](const HostOptions& o) { return o.helpText.section('\n', 0, 0); },
                     "Usage: q9x-host [options]"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
  const char* name;
  QStringList options;
  const char* message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedCommandLine : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCommandLine, SaysWhy)
{
  try {
    parseHostOptions(commandLine(GetParam().options));
    FAIL() << "accepted";
  } catch (const UsageError& e) {
    EXPECT_EQ(std::string(e.what()), GetParam().message);
  }
}

const char* const kPortRange = "--db-port needs a whole number from 1 to 65535";
const char* const kConnectionRange = "--connection needs a whole number from 0 to 2147483647";
const char* const kPlainTable =
    "--table needs a plain table name (letters, digits and _, optionally schema.table)";

INSTANTIATE_TEST_SUITE_P(
    Host, RefusedCommandLine,
    ::testing::Values(
        RefusedCase{"NoLog", {"--report"}, "Name the log with --log FILE (an SQLite file, created when missing)"},
        RefusedCase{"UnknownOption", {"--bogus"}, "Unknown option 'bogus'."},
        RefusedCase{"OptionWithoutValue", {"--log"}, "Missing value after '--log'."},
        RefusedCase{"PositionalArgument", kLog + QStringList{"extra.csv"}, "Unexpected argument: extra.csv"},
        RefusedCase{"PortZero", kLog + QStringList{"--db-port", "0"}, kPortRange},
        RefusedCase{"PortTooLarge", kLog + QStringList{"--db-port", "65536"}, kPortRange},
        RefusedCase{"PortNotANumber", kLog + QStringList{"--db-port", "fifty"}, kPortRange},
        RefusedCase{"ConnectionNegative", kLog + QStringList{"--connection", "-1"}, kConnectionRange},
        RefusedCase{"ConnectionTooLarge", kLog + QStringList{"--connection", "2147483648"}, kConnectionRange},
        RefusedCase{"TableWithStatement", kLog + QStringList{"--table", "Log; DROP TABLE Log"}, kPlainTable},
        RefusedCase{"TableStartingWithDigit", kLog + QStringList{"--table", "2024"}, kPlainTable},
        RefusedCase{"TableEmpty", kLog + QStringList{"--table", ""}, kPlainTable},
        RefusedCase{"CabrilloWithoutCall", kLog + QStringList{"--cabrillo", "x.cbr"},
                    "--cabrillo needs your callsign: --my-call CALL"},
        RefusedCase{"CallWithBlank", kLog + QStringList{"--my-call", "UA3 AAA"},
                    "--my-call needs one callsign without blanks"},
        RefusedCase{"SentExchangeOneField", kLog + QStringList{"--sent-exchange", "599"},
                    "--sent-exchange needs two fields, e.g. \"599 AB\""},
        RefusedCase{"SentExchangeThreeFields", kLog + QStringList{"--sent-exchange", "599 AB 12"},
                    "--sent-exchange needs two fields, e.g. \"599 AB\""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
