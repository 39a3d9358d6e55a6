// The six exports' work over a front-end that keeps its "window" in memory:
// the answers with no window, the record that becomes the current one, errors
// turned into empty answers, and releases.

#include <gtest/gtest.h>

#include <cstring>

#include "SessionFakes.h"
#include "plugin/PluginBoundary.h"
#include "plugin/ShortString.h"

namespace q9x::coretest {
namespace {

struct FakeWindows final : plugin::PluginFrontEnd {
  FakeLog log;
  FakePump pump;
  std::unique_ptr<ScoringSession> window;
  std::vector<std::string> errors;
  int created = 0;
  bool failPresent = false;

  ScoringSession* session() override { return window && !window->isReleased() ? window.get() : nullptr; }
  void createWindow(SessionHost& host) override
  {
    ++created;
    window = std::make_unique<ScoringSession>(host, pump, log.readers(), kNoAreaFile);
  }
  std::intptr_t present() override
  {
    if (failPresent) throw std::runtime_error("cannot show");
    return session() && session()->recalculate() ? 42 : 0;
  }
  void release() override
  {
    if (!window) throw std::logic_error("nothing to release");
    window->release();
  }
  void showError(const std::string& text) override { errors.push_back(text); }
};

TPluginRecord record(const char* call, const char* band = "7")
{
  TPluginRecord r{};
  writeShort(r.TableName, "Log");
  writeShort(r.MyMainPrefix, "UA3A");
  writeShort(r.CallSign, call);
  writeShort(r.DigiBand, band);
  writeShort(r.QSOMode, "RTTY");
  writeShort(r.MainPrefix, "UA3A");
  writeShort(r.DXCCPrefix, "UA3A");
  writeShort(r.QSOReportRecived, "599 AB");
  return r;
}

class Boundary : public ::testing::Test {
 protected:
  FakeWindows windows;
  plugin::PluginBoundary boundary{windows};
  unsigned char grabbed[256];
};

TEST_F(Boundary, WithoutAWindowEveryCallGivesItsEmptyAnswerButTakesTheRecord)
{
  const TPluginRecord contact = record("R1AA");
  EXPECT_EQ(boundary.score(&contact), 0);
  EXPECT_EQ(boundary.addQso(&contact), 0);
  std::memset(grabbed, 'x', sizeof grabbed);
  boundary.grabNumber(&contact, grabbed);
  EXPECT_EQ(grabbed[0], 0);
  EXPECT_EQ(readShort(boundary.currentRecord().CallSign), "R1AA");
  EXPECT_EQ(boundary.score(nullptr), 0);
  boundary.grabNumber(&contact, nullptr);
  boundary.release();  // the front-end's failure does not reach the host
  EXPECT_TRUE(windows.errors.empty());
}

TEST_F(Boundary, RunOpensOneWindowFromItsRecordAndLaterRunsKeepTheCurrentRecord)
{
  windows.log.rows = {logged("R1AB", "3.5")};
  const TPluginRecord first = record("R1AA");
  EXPECT_EQ(boundary.run(&first), 42);
  const TPluginRecord second = record("R1AC");
  EXPECT_EQ(boundary.run(&second), 42);
  EXPECT_EQ(windows.created, 1);
  // The recalculation left the last row read in the record, with the host's band.
  EXPECT_EQ(readShort(boundary.currentRecord().CallSign), "R1AB");
  EXPECT_EQ(readShort(boundary.currentRecord().DigiBand), "7");

  EXPECT_EQ(boundary.addQso(&first), 1);
  EXPECT_EQ(boundary.addQso(&first), -1);
  EXPECT_EQ(boundary.score(&second), 1);

  boundary.release();
  EXPECT_EQ(boundary.score(&second), 0) << "released: answered as with no window";
  EXPECT_EQ(boundary.run(&second), 42);
  EXPECT_EQ(windows.created, 2);
}

TEST_F(Boundary, ErrorsAreShownAndAnsweredEmpty)
{
  EXPECT_EQ(boundary.run(nullptr), 0);
  windows.failPresent = true;
  const TPluginRecord contact = record("R1AA");
  EXPECT_EQ(boundary.run(&contact), 0);
  windows.failPresent = false;
  windows.log.failOpen = true;
  EXPECT_EQ(boundary.run(&contact), 0);
  EXPECT_EQ(windows.errors,
            (std::vector<std::string>{"The host passed no plug-in record", "cannot show", "no such table: Log"}));
}

TEST_F(Boundary, CallsAndReleaseFromTheEventsOfARecalcAreServedSafely)
{
  const TPluginRecord contact = record("R1AA");
  ASSERT_EQ(boundary.run(&contact), 42);
  std::int32_t duringScan = 0;
  windows.pump.passes = {nullptr, [&] {
                           duringScan = boundary.addQso(&contact);
                           boundary.release();
                         }};
  EXPECT_FALSE(windows.window->recalculate());
  EXPECT_EQ(duringScan, 1);
  EXPECT_EQ(windows.pump.destructionsAsked, 1);
  EXPECT_EQ(boundary.addQso(&contact), 0);
}

}  // namespace
}  // namespace q9x::coretest
