// Loads libq9xcup.so as a host does and drives it through the six exports and
// the record bytes only.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "plugin/q9xcup.h"
#include "tests/support/ErrorBoxCapture.h"
#include "tests/support/LoadedPlugin.h"
#include "tests/support/LogTable.h"

namespace {

using q9xtest::addLogRow;
using q9xtest::EmptyLog;
using q9xtest::LogEntry;
using q9xtest::plugin;
using q9xtest::settle;

using q9xtest::shownErrors;

using q9x::writeShort;

// The short string at field, which may lie anywhere in a buffer of the host's.
std::string shortText(const unsigned char* field)
{
  const char* text = nullptr;
  const std::size_t length = q9x_read_short(field, &text);
  return std::string(text, length);
}

// A host record filled as the host would, with a contact on 3.5 MHz from
// inside the area to an operator outside it.
struct Record {
  TPluginRecord r{};
  Record()
  {
    std::memset(&r, 0xA5, sizeof r);  // the host's own spans hold anything
    r.Connection = 0;
    writeShort(r.TableName, "Log");
    writeShort(r.CaptionText, "Test");
    writeShort(r.MyMainPrefix, "R3");
    contact("UA3ABC", "3.5", "CW", "599 AB", "UA3A", "UA3A");
  }
  Record& contact(const std::string& call, const std::string& band, const std::string& mode,
                  const std::string& report, const std::string& mainPrefix,
                  const std::string& dxcc)
  {
    writeShort(r.CallSign, call);
    writeShort(r.DigiBand, band);
    writeShort(r.QSOMode, mode);
    writeShort(r.QSOReportRecived, report);
    writeShort(r.MainPrefix, mainPrefix);
    writeShort(r.DXCCPrefix, dxcc);
    writeShort(r.Continent, "EU");
    return *this;
  }
  const TPluginRecord* operator&() const { return &r; }
};

QWidget* statisticsWindow() { return q9xtest::topLevel("fmMainForm"); }

QString totalQsos()
{
  auto* grid = statisticsWindow()->findChild<QTableWidget*>("StringGrid1");
  return grid->item(3, 1)->text();
}

class HostBoundary : public ::testing::Test {
 protected:
  void SetUp() override
  {
    shownErrors().clear();
    log_.emplace();
  }
  void TearDown() override
  {
    plugin().Release();
    settle();
    EXPECT_EQ(statisticsWindow(), nullptr);
    log_.reset();
  }
  static void logRow(const char* call, const char* band)
  {
    addLogRow(QSqlDatabase::database(), "Log",
              LogEntry{call, band, "CW", "599 1234", "R3", "UA", "eu"});
  }

 private:
  std::optional<EmptyLog> log_;
};

TEST_F(HostBoundary, GetInfoWritesOnlyTheIdentityBytes)
{
  unsigned char buffer[600];
  std::memset(buffer, 0xFF, sizeof buffer);
  plugin().GetInfo(reinterpret_cast<TPluginInfo*>(buffer));
  EXPECT_EQ(shortText(buffer), "Q9X-CUP-DIGI");
  EXPECT_EQ(shortText(buffer + 260), "vextor_contest");
  int32_t pluginValue, hostValue;
  std::memcpy(&pluginValue, buffer + 256, 4);
  std::memcpy(&hostValue, buffer + 516, 4);
  EXPECT_EQ(pluginValue, 1);
  EXPECT_EQ(hostValue, 1);
  for (int i : {13, 100, 255, 275, 400, 515, 520, 599})
    EXPECT_EQ(buffer[i], 0xFF) << "byte " << i;
}

TEST_F(HostBoundary, WithoutAWindowEveryAnswerIsEmpty)
{
  Record rec;
  EXPECT_EQ(plugin().AddQSO(&rec), 0);
  EXPECT_EQ(plugin().GetScore(&rec), 0);
  unsigned char code[256];
  std::memset(code, 0x55, sizeof code);
  plugin().GrabNumber(&rec, code);
  EXPECT_EQ(code[0], 0);
  plugin().Release();
  plugin().Release();  // releasing twice with no window does not fail
  // Null records are refused without harm.
  EXPECT_EQ(plugin().GetScore(nullptr), 0);
  EXPECT_EQ(plugin().AddQSO(nullptr), 0);
  plugin().GrabNumber(nullptr, code);
  EXPECT_EQ(code[0], 0);
  EXPECT_TRUE(shownErrors().isEmpty());
}

TEST_F(HostBoundary, ScoresCountsAndRefusesRepeatsWhileOpen)
{
  Record rec;
  ASSERT_NE(plugin().Run(0, &rec), 0);
  EXPECT_EQ(plugin().GetScore(&rec), 5);
  EXPECT_EQ(plugin().AddQSO(&rec), 5);
  EXPECT_EQ(plugin().GetScore(&rec), -1);
  EXPECT_EQ(plugin().AddQSO(&rec), -1);

  Record sameInside;
  sameInside.contact("UA3ABC", "7", "CW", "599 AB", "UA3A", "UA3A");
  writeShort(sameInside.r.MyMainPrefix, "UA3A");
  EXPECT_EQ(plugin().AddQSO(&sameInside), 1);

  Record band14;
  band14.contact("DL1AA", "14", "FT8", "59 1234", "DL", "DL");
  EXPECT_EQ(plugin().AddQSO(&band14), 0);
  EXPECT_EQ(plugin().AddQSO(&band14), -1);
  EXPECT_EQ(totalQsos(), "3");
}

TEST_F(HostBoundary, RunTwiceKeepsTheWindowAndDoesNotRecalculate)
{
  logRow("R3AA", "3.5");
  Record rec;
  intptr_t first = plugin().Run(0, &rec);
  ASSERT_NE(first, 0);
  EXPECT_EQ(totalQsos(), "1");
  logRow("R3BB", "3.5");
  Record other;
  writeShort(other.r.TableName, "NoSuchTable");  // ignored: the window exists
  EXPECT_EQ(plugin().Run(0, &other), first);
  EXPECT_EQ(totalQsos(), "1");
  EXPECT_TRUE(shownErrors().isEmpty());
}

TEST_F(HostBoundary, ReleaseEndsTheWindowAndItsFigures)
{
  Record rec;
  ASSERT_NE(plugin().Run(0, &rec), 0);
  EXPECT_EQ(plugin().AddQSO(&rec), 5);
  plugin().Release();
  EXPECT_EQ(plugin().GetScore(&rec), 0);
  unsigned char code[256];
  plugin().GrabNumber(&rec, code);
  EXPECT_EQ(code[0], 0);
  settle();
  EXPECT_EQ(statisticsWindow(), nullptr);
  // A new window starts from the log again: the contact is no repeat now.
  ASSERT_NE(plugin().Run(0, &rec), 0);
  EXPECT_EQ(plugin().GetScore(&rec), 5);
}

TEST_F(HostBoundary, GrabNumberAnswersFromTheShippedAreaFile)
{
  Record rec;
  ASSERT_NE(plugin().Run(0, &rec), 0);
  unsigned char code[256];
  // Lines "UA2=KA", "UA3A=AB" and "RW3D=EP" of the shipped file.
  for (const auto& [prefix, expected] : {std::pair<std::string, std::string>{"UA2", "KA"},
                                         {"UA3A", "AB"},
                                         {"RW3D", "EP"}}) {
    rec.contact("XX", "7", "CW", "", prefix, " ua3a ");
    plugin().GrabNumber(&rec, code);
    EXPECT_EQ(shortText(code), expected) << prefix;
  }
  rec.contact("XX", "7", "CW", "", "UA2", "UA");
  plugin().GrabNumber(&rec, code);
  EXPECT_EQ(code[0], 0);
}

TEST_F(HostBoundary, FailuresReachTheUserNotTheHost)
{
  // No record: the window cannot be made; the host gets 0 and no window.
  EXPECT_EQ(plugin().Run(0, nullptr), 0);
  EXPECT_EQ(shownErrors().size(), 1);
  EXPECT_EQ(statisticsWindow(), nullptr);

  // A log table that is missing: the window opens and the error is shown.
  shownErrors().clear();
  Record rec;
  writeShort(rec.r.TableName, "Missing");
  EXPECT_NE(plugin().Run(0, &rec), 0);
  ASSERT_EQ(shownErrors().size(), 1);
  EXPECT_TRUE(shownErrors().front().contains("Missing")) << shownErrors().front().toStdString();
}

}  // namespace
