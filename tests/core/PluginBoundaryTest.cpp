// The six exports' work over a front-end that keeps its "window" in memory:
// the answers with no window, which record is the current one, errors turned
// into empty answers.

#include <gtest/gtest.h>

#include "SessionFakes.h"
#include "plugin/PluginBoundary.h"
#include "plugin/RecordFields.h"
#include "plugin/RecordTexts.h"

namespace q9x::coretest {
namespace {

struct FakeWindows final : plugin::PluginFrontEnd {
  FakeLog log;
  FakePump pump;
  std::unique_ptr<ScoringSession> window;
  std::vector<std::string> errors;
  int created = 0;

  ScoringSession* session() override { return window && !window->isReleased() ? window.get() : nullptr; }
  void createWindow(SessionHost& host) override
  {
    ++created;
    window = std::make_unique<ScoringSession>(host, pump, log.readers(), kNoAreaFile);
  }
  std::intptr_t present() override { return session()->recalculate() ? 42 : 0; }
  void release() override
  {
    if (!window) throw std::logic_error("nothing to release");
    window->release();
  }
  void showError(const std::string& text) override { errors.push_back(text); }
};

TPluginRecord record(const char* call)
{
  TPluginRecord r{};
  storeLogRow(r, logged(call, "7"));
  writeShort(r.TableName, "Log");
  writeShort(r.MyMainPrefix, "UA3A");
  return r;
}

class Boundary : public ::testing::Test {
 protected:
  FakeWindows windows;
  plugin::PluginBoundary boundary{windows};
};

TEST_F(Boundary, WithoutAWindowEveryCallGivesItsEmptyAnswerButTakesTheRecord)
{
  const TPluginRecord contact = record("R1AA");
  EXPECT_EQ(boundary.addQso(&contact), 0);
  unsigned char grabbed[256] = {5, 'x'};
  boundary.grabNumber(&contact, grabbed);
  EXPECT_EQ(grabbed[0], 0);
  EXPECT_EQ(readShort(boundary.currentRecord().CallSign), "R1AA");
  boundary.release();  // the front-end's failure does not reach the host
  EXPECT_TRUE(windows.errors.empty());
}

TEST_F(Boundary, RunOpensOneWindowFromItsRecordAndLaterRunsKeepTheCurrentRecord)
{
  windows.log.rows = {logged("R1AB", "3.5")};
  const TPluginRecord first = record("R1AA");
  const TPluginRecord second = record("R1AC");
  EXPECT_EQ(boundary.run(&first), 42);
  EXPECT_EQ(boundary.run(&second), 42);
  EXPECT_EQ(windows.created, 1);
  // The recalculation left the last row read in the record, with the host's band.
  EXPECT_EQ(readShort(boundary.currentRecord().CallSign), "R1AB");
  EXPECT_EQ(readShort(boundary.currentRecord().DigiBand), "7");

  EXPECT_EQ(boundary.addQso(&first), 1);
  EXPECT_EQ(boundary.score(&first), -1);
  boundary.release();
  EXPECT_EQ(boundary.score(&second), 0) << "released: answered as with no window";
  EXPECT_EQ(boundary.run(&second), 42);
  EXPECT_EQ(windows.created, 2);
}

TEST_F(Boundary, ErrorsAreShownAndAnsweredEmpty)
{
  EXPECT_EQ(boundary.run(nullptr), 0);
  windows.log.failOpen = true;
  const TPluginRecord contact = record("R1AA");
  EXPECT_EQ(boundary.run(&contact), 0);
  EXPECT_EQ(windows.errors, (std::vector<std::string>{"The host passed no plug-in record", "no such table: Log"}));
}

}  // namespace
}  // namespace q9x::coretest
