// q9x-host with the log files of other programs: the three formats it reads,
// the faults it names, the Cabrillo file it writes, and the runs without a
// user that must leave the operator's settings and terminal alone.

#include <gtest/gtest.h>

#include <QFile>

#include "HostProcess.h"

namespace {

QString example(const QString& name) { return QStringLiteral(Q9X_EXAMPLES_DIR "/") + name; }

struct FormatCase {
  const char* name;
  const char* file;
  const char* expected;
  bool semicolons;  // the CSV sample with ; between its fields
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class ImportedFormat : public ::testing::TestWithParam<FormatCase> {};

// The expected figures were worked out from the rules by the scripts in
// examples/, without the plug-in.
TEST_P(ImportedFormat, GivesTheFiguresWorkedOutFromTheRules)
{
  HostProcess host;
  QString file = example(GetParam().file);
  if (GetParam().semicolons) {
    writeFile(host.path("semicolons.csv"), fileText(file).replace(',', ';'));
    file = host.path("semicolons.csv");
  }
  HostRun run = host.run({"--log", host.path("log.sqlite"), "--my-prefix", "UA3A", "--import", file, "--report"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out.toStdString(), fileText(example(GetParam().expected)).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Host, ImportedFormat,
    ::testing::Values(FormatCase{"Adif", "sample-log.adi", "sample-adi-expected.txt", false},
                      FormatCase{"Cabrillo", "sample-log.cbr", "sample-cbr-expected.txt", false},
                      FormatCase{"CsvWithSemicolons", "sample-log.csv", "sample-expected.txt", true}),
    [](const auto& info) { return std::string(info.param.name); });

struct ImportFaultCase {
  const char* name;
  QString content;
  const char* error;  // after "<file>"
};

void PrintTo(const ImportFaultCase& c, std::ostream* os) { *os << c.name; }

class ImportFault : public ::testing::TestWithParam<ImportFaultCase> {};

TEST_P(ImportFault, IsNamedExactlyAndLeavesNoLogBehind)
{
  HostProcess host;
  const QString file = host.path("contacts.txt");
  writeFile(file, GetParam().content);
  HostRun run = host.run({"--log", host.path("new.sqlite"), "--import", file, "--report"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.toStdString(), (file + GetParam().error + "\n").toStdString());
  EXPECT_FALSE(QFile::exists(host.path("new.sqlite")));
}

const QString kAdifHead = "made by hand\n<ADIF_VER:5>3.1.0 <EOH>\n";
const QString kCabrilloHead = "START-OF-LOG: 3.0\nCALLSIGN: UA3AAA\n";

INSTANTIATE_TEST_SUITE_P(
    Host, ImportFault,
    ::testing::Values(
        ImportFaultCase{"NotALog", "Dear contest committee,\nhere is my log.\n",
                        ": not a CSV, ADIF or Cabrillo file"},
        ImportFaultCase{"AdifBandOutside", kAdifHead + "<CALL:4>R3AA <BAND:3>60m <MODE:4>RTTY <EOR>\n",
                        ", line 3, field BAND: \"60m\" is not one of the nine contest bands (160m … 10m)"},
        ImportFaultCase{"AdifFrequencyOutside",
                        kAdifHead + "<CALL:4>R3AA <BAND:3>40m <MODE:4>RTTY <EOR>\n<CALL:4>R3AB\n<FREQ:6>50.313 <MODE:3>FT8 <EOR>\n",
                        ", line 5, field FREQ: 50.313 MHz lies outside the nine contest bands"},
        ImportFaultCase{"AdifBrokenLength", kAdifHead + "<CALL:x>R3AA <EOR>\n",
                        ", line 3, field CALL: the length \"x\" is not a number"},
        ImportFaultCase{"AdifNoMode", kAdifHead + "<CALL:4>R3AA <BAND:3>40m <EOR>\n",
                        ", line 3, field MODE: the mode is missing"},
        ImportFaultCase{"AdifNoEndOfRecord", kAdifHead + "<CALL:4>R3AA <BAND:3>40m <MODE:4>RTTY\n",
                        ", line 3: the last record has no <EOR>"},
        ImportFaultCase{"CabrilloFrequencyOutside",
                        kCabrilloHead + "QSO: 50100 DG 2024-12-14 0003 UA3AAA 599 AB R3AA 599 AB\n",
                        ", line 3, field freq: 50100 kHz lies outside the nine contest bands"},
        ImportFaultCase{"CabrilloShortLine", kCabrilloHead + "QSO: 7040 RY 2024-12-14 0003 R3AA\n",
                        ", line 3, field QSO: too few fields: freq mo date time call-sent call-rcvd expected"},
        ImportFaultCase{"CabrilloBadTime",
                        kCabrilloHead + "QSO: 7040 RY 2024-12-14 3:05 UA3AAA 599 AB R3AA 599 AB\n",
                        ", line 3, field time: \"3:05\" is not hhmm"},
        ImportFaultCase{"CsvBandOutside", "CallSign;DigiBand;QSOMode\nR3AA;7;RTTY\nR3AB;5;RTTY\n",
                        ", line 3, field DigiBand: \"5\" is not one of the nine contest bands (1.8 … 28 MHz, 160m … 10m)"},
        ImportFaultCase{"CsvNoMode", "CallSign,DigiBand,QSOMode\nR3AA,40m,\n",
                        ", line 2, field QSOMode: the mode is empty"}),
    [](const auto& info) { return std::string(info.param.name); });

// Bands the way other loggers write them are the host's band texts.
TEST(HostImport, ReadsBandNamesAndMegahertzAsBandTexts)
{
  HostProcess host;
  writeFile(host.path("bands.csv"),
            "CallSign,DigiBand,QSOMode,QSOReportRecived\nR3AA,40m,RTTY,599 AB\nR3AB,7.040,RTTY,599 AD\n"
            "R3AC,3.5,RTTY,599 AG\n");
  HostRun run = host.run({"--log", host.path("log.sqlite"), "--my-prefix", "UA3A", "--import",
                          host.path("bands.csv"), "--report"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("Score: 3*(3+0)=9")) << run.out.toStdString();
}

// The exported file carries the plug-in's score, and reading it back gives
// the figures a Cabrillo log gives (its modes are RY and DG only).
TEST(HostCabrillo, WritesThePluginsScoreAndReadsBack)
{
  HostProcess host;
  const QString cabrillo = host.path("out.cbr");
  HostRun run = host.run({"--log", host.path("log.sqlite"), "--my-prefix", "UA3A", "--import",
                          example("sample-log.adi"), "--cabrillo", cabrillo, "--my-call", "ua3aaa"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QString text = fileText(cabrillo);
  EXPECT_TRUE(text.contains("\nCLAIMED-SCORE: 531\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("\nQSO: 3500 RY 2024-12-14 0003 UA3AAA 599 - RK3KK 599 LP\n")) << text.toStdString();
  EXPECT_EQ(text.count("\nQSO: "), 19);

  HostRun back = host.run({"--log", host.path("back.sqlite"), "--my-prefix", "UA3A", "--import", cabrillo, "--report"});
  ASSERT_EQ(back.exitCode, 0) << back.err.toStdString();
  EXPECT_EQ(back.out.toStdString(), fileText(example("sample-cbr-expected.txt")).toStdString());
}

struct HeadlessCase {
  const char* name;
  QStringList options;
};

void PrintTo(const HeadlessCase& c, std::ostream* os) { *os << c.name; }

class HeadlessRun : public ::testing::TestWithParam<HeadlessCase> {};

TEST_P(HeadlessRun, LeavesStoredPlacementAndStandardErrorAlone)
{
  HostProcess host;
  const QString log = host.path("log.sqlite");
  ASSERT_EQ(host.run({"--log", log, "--import", example("sample-log.adi"), "--report"}).exitCode, 0);
  const QStringList options = GetParam().options;
  QStringList arguments = {"--log", log};
  for (const QString& option : options) arguments << (option == "@" ? host.path("out") : option);
  HostRun run = host.run(arguments, {"XDG_RUNTIME_DIR="});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err.toStdString(), "");
  EXPECT_FALSE(QFile::exists(host.path("config/Software/q9x-host.conf")));
}

INSTANTIATE_TEST_SUITE_P(
    Host, HeadlessRun,
    ::testing::Values(HeadlessCase{"Report", {"--report"}},
                      HeadlessCase{"Cabrillo", {"--cabrillo", "@", "--my-call", "UA3AAA"}},
                      HeadlessCase{"Screenshot", {"--screenshot", "@"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct CommandLineCase {
  const char* name;
  QStringList arguments;
  int exitCode;
  const char* text;  // in standard output for 0, standard error otherwise
};

void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

class CommandLineWithoutDisplay : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineWithoutDisplay, IsAnsweredWithoutOne)
{
  HostProcess host;
  HostRun run = host.run(GetParam().arguments, {"QT_QPA_PLATFORM=xcb", "DISPLAY=", "WAYLAND_DISPLAY="});
  EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err.toStdString();
  const QString& shown = GetParam().exitCode == 0 ? run.out : run.err;
  EXPECT_TRUE(shown.contains(GetParam().text)) << shown.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Host, CommandLineWithoutDisplay,
    ::testing::Values(
        CommandLineCase{"Help", {"--help"}, 0, "Usage: q9x-host [options]"},
        CommandLineCase{"UnknownOption", {"--bogus"}, 2, "Unknown option 'bogus'."},
        CommandLineCase{"NoLog", {"--report"}, 2, "Name the log with --log FILE"},
        CommandLineCase{"CabrilloWithoutCall", {"--log", "x.sqlite", "--cabrillo", "x.cbr"}, 2,
                        "--cabrillo needs your callsign: --my-call CALL"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
