// The recalculation and release rules of the scoring session, with the host's
// calls, releases and destruction arriving from the events it lets run.

#include <gtest/gtest.h>

#include "SessionFakes.h"

namespace q9x::coretest {
namespace {

class Session : public ::testing::Test {
 protected:
  Session()
  {
    log.rows = {logged("R1AA", "7"), logged("R1AA", "7"), logged("R1AB", "3.5"), logged("R1AC", "7")};
    session->setObserver(&seen);
  }
  std::int64_t totalQsos() const { return session->engine().stats().totals().QSOs; }
  Contact contact(const char* call, const char* band) const
  {
    return Contact{call, band, "RTTY", "599 AB", "UA3A", "UA3A", "UA3A"};
  }

  FakeLog log;
  FakeHost host;
  FakePump pump;
  ChangeLog seen;
  std::unique_ptr<ScoringSession> session =
      std::make_unique<ScoringSession>(host, pump, log.readers(), kNoAreaFile);
};

TEST_F(Session, RecalcNotifiesItsStartAndItsEndWithRecalcDisabledBetween)
{
  bool enabledWhileEventsRan = true;
  pump.passes = {nullptr, [&] { enabledWhileEventsRan = session->recalcEnabled(); }};
  ASSERT_TRUE(session->recalculate());

  EXPECT_FALSE(enabledWhileEventsRan);
  EXPECT_TRUE(session->recalcEnabled());
  EXPECT_EQ(log.openedTable, "Log");
  EXPECT_FALSE(log.open) << "the host's connection is let go after the scan";
  EXPECT_EQ(totalQsos(), 3);
  ASSERT_EQ(seen.changes.size(), 2u);
  const SessionChange& start = seen.changes[0];
  EXPECT_TRUE(start.recounting && start.commands && !start.figures);
  EXPECT_EQ(start.band, 3) << "the host's band, 7";
  const SessionChange& end = seen.changes[1];
  EXPECT_TRUE(end.figures && end.commands && !end.recounting);
  EXPECT_EQ(end.band, 3) << "the band of the last row counted, 7";
}

TEST_F(Session, AFailedScanShowsTheFiguresCountedUntilTheErrorAndRecalcComesBack)
{
  ASSERT_TRUE(session->recalculate());
  log.failAt = 3;
  seen.changes.clear();
  EXPECT_THROW(session->recalculate(), std::runtime_error);

  EXPECT_EQ(totalQsos(), 2);
  ASSERT_FALSE(seen.changes.empty());
  EXPECT_TRUE(seen.changes.back().figures) << "the window must show the two rows counted";
  EXPECT_TRUE(session->recalcEnabled());
  EXPECT_FALSE(log.open);
  ASSERT_TRUE(host.failedRow);
  EXPECT_EQ(host.failedRow->CallSign, "R1AB") << "the record keeps the last row read";
}

TEST_F(Session, ALogThatCannotBeOpenedLeavesEmptyFiguresShownAndRecalcAvailable)
{
  ASSERT_TRUE(session->recalculate());
  log.failOpen = true;
  seen.changes.clear();
  EXPECT_THROW(session->recalculate(), std::runtime_error);
  EXPECT_EQ(totalQsos(), 0);
  ASSERT_FALSE(seen.changes.empty());
  EXPECT_TRUE(seen.changes.back().figures);
  EXPECT_TRUE(session->recalcEnabled());
}

TEST_F(Session, ContactsAddedWhileTheLogOpensAreCountedOnceAndEachCountNotifiesOnce)
{
  std::int32_t added = 0, repeated = 0;
  std::size_t notified = 0;
  pump.passes = {nullptr, [&] {
                   const std::size_t before = seen.changes.size();
                   added = session->count(contact("R1AA", "7")).points;
                   repeated = session->count(contact("R1AA", "7")).points;
                   notified = seen.changes.size() - before;
                 }};
  ASSERT_TRUE(session->recalculate());
  EXPECT_EQ(added, 1);
  EXPECT_EQ(repeated, -1);
  EXPECT_EQ(notified, 2u);
  EXPECT_EQ(totalQsos(), 3) << "the scan refuses the R1AA counted meanwhile";
}

// Released in the pass before the engine is emptied, or in the one after the log opened.
class ReleaseDuringRecalc : public Session, public ::testing::WithParamInterface<int> {};

TEST_P(ReleaseDuringRecalc, NothingMoreIsDoneAndTheOwnerGoesOnlyAfterTheRecalc)
{
  int askedDuringEvents = -1;
  pump.passes.resize(static_cast<std::size_t>(GetParam()) + 1);
  pump.passes.back() = [&] {
    session->release();
    askedDuringEvents = pump.destructionsAsked;
  };
  EXPECT_FALSE(session->recalculate());

  EXPECT_EQ(askedDuringEvents, 0) << "the owner was to be destroyed under its own recalculation";
  EXPECT_EQ(pump.destructionsAsked, 1);
  EXPECT_FALSE(log.open);
  EXPECT_FALSE(session->recalcEnabled());
  EXPECT_FALSE(seen.changes.back().figures) << "a released window shows no new figures";
  EXPECT_FALSE(session->recalculate());
}

INSTANTIATE_TEST_SUITE_P(Moments, ReleaseDuringRecalc, ::testing::Values(0, 1), [](const auto& info) {
  return std::string(info.param ? "AfterTheLogOpened" : "BeforeTheLogIsRead");
});

TEST_F(Session, AnOwnerDestroyedWhileEventsRunIsNotTouchedAfterwards)
{
  // Under the address sanitizer a touch of the freed session fails the test.
  for (int pass : {0, 1}) {
    session = std::make_unique<ScoringSession>(host, pump, log.readers(), kNoAreaFile);
    pump.passes.clear();
    pump.passes.resize(static_cast<std::size_t>(pass) + 1);
    pump.passes.back() = [&] { session.reset(); };
    ScoringSession* running = session.get();
    EXPECT_FALSE(running->recalculate());
    EXPECT_EQ(pump.destructionsAsked, 0);
  }
}

TEST_F(Session, ReleaseDestroysTheOwnerOnceNoWorkIsOnTheStack)
{
  int askedInside = -1;
  EXPECT_FALSE(session->whileHeld([&] {
    session->release();
    session->release();
    askedInside = pump.destructionsAsked;
  }));
  EXPECT_EQ(askedInside, 0);
  EXPECT_EQ(pump.destructionsAsked, 1);
  EXPECT_FALSE(session->whileHeld([] { FAIL() << "work ran on a released session"; }));
  EXPECT_EQ(pump.destructionsAsked, 1);
}

}  // namespace
}  // namespace q9x::coretest
