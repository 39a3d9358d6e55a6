// Whatever lies at the area file's path: a FIFO, a device, an oversized
// file, binary garbage, a million lines. Either the plug-in opens and lists
// and proposes what the file holds, or _Run answers 0 with the reason (naming
// the path) in the error box and leaves nothing open; either way the plug-in
// opens normally once the file is sound again.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <filesystem>
#include <fstream>
#include <optional>
#include <functional>
#include <ostream>
#include <random>
#include <string>

#include "hostkit/HostRecord.h"
#include "plugin/q9xcup.h"
#include "tests/support/ErrorBoxCapture.h"
#include "tests/support/LoadedPlugin.h"
#include "tests/support/LogTable.h"

namespace {

using q9xtest::EmptyLog;
using q9xtest::plugin;
using q9xtest::settle;
using q9xtest::topLevel;
namespace fs = std::filesystem;

using q9xtest::shownErrors;

fs::path areaFile()
{
  return fs::path(QCoreApplication::applicationDirPath().toStdString()) / "Plugins" / "Q9XCup.dom";
}

void writeFile(const std::string& bytes) { std::ofstream(areaFile(), std::ios::binary) << bytes; }

// A contact from inside the area, on 3.5 MHz, to an operator outside it.
TPluginRecord contact(const std::string& mainPrefix)
{
  return q9xkit::makeRecord({0, "Log", "Test", "R3"},
                            {"UA3XYZ", "3.5", "CW", "", "599 AB", mainPrefix, "UA3A"});
}

std::string proposal(const std::string& mainPrefix)
{
  const TPluginRecord r = contact(mainPrefix);
  unsigned char result[256] = {};
  plugin().GrabNumber(&r, result);
  return std::string(reinterpret_cast<const char*>(result + 1), result[0]);
}

int listedCodes()
{
  QWidget* window = topLevel("fmMainForm");
  window->findChild<QPushButton*>("btnOBL1")->click();
  settle();
  QWidget* area = topLevel("fmDomList");
  if (!area || !area->isVisible()) return -1;
  const int count = area->findChild<QListWidget*>("LV1")->count();
  area->close();
  settle();
  return count;
}

struct FaultCase {
  const char* name;
  std::function<void()> place;  // puts the thing at the area file's path
  const char* error;            // part of the error text, or null when the plug-in opens
  int codes;                    // codes the area window lists when it opens
  const char* proposed;         // proposal for prefix UA3K when it opens
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class AreaFileFault : public ::testing::TestWithParam<FaultCase> {
 protected:
  void SetUp() override
  {
    shownErrors().clear();
    fs::create_directories(areaFile().parent_path());
    fs::remove(areaFile());
    log_.emplace();
  }
  void TearDown() override
  {
    plugin().Release();
    settle();
    fs::remove(areaFile());
    log_.reset();
  }

 private:
  std::optional<EmptyLog> log_;
};

TEST_P(AreaFileFault, OpensWithTheFileOrRefusesNamingIt)
{
  const FaultCase& c = GetParam();
  c.place();
  const TPluginRecord opening = contact("UA3K");
  const intptr_t handle = plugin().Run(0, &opening);
  if (c.error) {
    EXPECT_EQ(handle, 0);
    ASSERT_EQ(shownErrors().size(), 1);
    EXPECT_TRUE(shownErrors().front().contains(QString::fromStdString(areaFile().string())))
        << shownErrors().front().toStdString();
    EXPECT_TRUE(shownErrors().front().contains(c.error)) << shownErrors().front().toStdString();
    settle();
    EXPECT_EQ(topLevel("fmMainForm"), nullptr);
    const TPluginRecord r = contact("UA3K");
    EXPECT_EQ(plugin().AddQSO(&r), 0);
    EXPECT_EQ(proposal("UA3K"), "");
  } else {
    ASSERT_NE(handle, 0);
    EXPECT_TRUE(shownErrors().isEmpty()) << shownErrors().join('\n').toStdString();
    EXPECT_EQ(listedCodes(), c.codes);
    EXPECT_EQ(proposal("UA3K"), c.proposed);
    const TPluginRecord r = contact("UA3K");
    EXPECT_EQ(plugin().AddQSO(&r), 1);
  }

  // Nothing is left behind: with a sound file the plug-in opens as ever.
  plugin().Release();
  settle();
  fs::remove(areaFile());
  writeFile("UA3K=BO\r\n");
  ASSERT_NE(plugin().Run(0, &opening), 0);
  EXPECT_EQ(proposal("UA3K"), "BO");
  EXPECT_EQ(listedCodes(), 1);
}

std::string garbage()
{
  std::mt19937 random(11);
  std::string bytes(1 << 16, '\0');
  // No NUL, so all of it is read, and no "=", so only the last line lists a code.
  for (char& b : bytes)
    do b = static_cast<char>(random() % 255 + 1); while (b == '=');
  return bytes + "\nUA3K=BO";
}

std::string millionLines()
{
  std::string text;
  for (int i = 0; i < 999999; ++i) text += "RA3C=CL\r\n";
  return text + "UA3K=BO\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, AreaFileFault,
    ::testing::Values(
        FaultCase{"Fifo", [] { ASSERT_EQ(::mkfifo(areaFile().c_str(), 0600), 0); }, "not a regular file", 0, ""},
        FaultCase{"Device", [] { fs::create_symlink("/dev/zero", areaFile()); }, "not a regular file", 0, ""},
        FaultCase{"Oversize",
                  [] {
                    writeFile("UA3K=BO\r\n");
                    fs::resize_file(areaFile(), 16 * 1024 * 1024 + 1);
                  },
                  "larger than 16 MB", 0, ""},
        FaultCase{"BinaryGarbage", [] { writeFile(garbage()); }, nullptr, 1, "BO"},
        FaultCase{"MillionLines", [] { writeFile(millionLines()); }, nullptr, 1000000, "BO"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
