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
    session->setObserver(&pump);
  }
  std::int64_t totalQsos() const { return session->engine().stats().totals().QSOs; }

  FakeLog log;
  FakeHost host;
  FakePump pump;
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
  EXPECT_FALSE(log.open) << "the host's connection is let go after the scan";
  EXPECT_EQ(totalQsos(), 3);
  ASSERT_EQ(pump.changes.size(), 2u);
  EXPECT_TRUE(pump.changes[0].recounting && !pump.changes[0].figures);
  EXPECT_EQ(pump.changes[0].band, 3) << "the host's band, 7";
  EXPECT_TRUE(pump.changes[1].figures && pump.changes[1].commands);
  EXPECT_EQ(pump.changes[1].band, 3) << "the band of the last row counted, 7";
}

TEST_F(Session, TheBandShownAfterAScanIsTheLastOneOfTheNineACountedRowHad)
{
  // Neither a repeat nor a band outside the nine moves it.
  log.rows = {logged("R1AA", "7"), logged("R1AB", "3.5"), logged("R1AA", "7"), logged("R1AC", "50"),
              logged("R1AD", "28")};
  log.failAt = 4;
  EXPECT_THROW(session->recalculate(), std::runtime_error);
  EXPECT_EQ(pump.changes.back().band, 2) << "3.5, counted before the error";

  log.failAt.reset();
  ASSERT_TRUE(session->recalculate());
  EXPECT_EQ(pump.changes.back().band, 9) << "28, the last row";

  log.rows = {logged("R1AA", "50"), logged("R1AB", "6")};
  ASSERT_TRUE(session->recalculate());
  EXPECT_EQ(pump.changes.back().band, 0) << "none of the nine: the host's band stays";
}

TEST_F(Session, AFailedRecalcShowsTheFiguresCountedUntilTheErrorAndRecalcComesBack)
{
  log.failAt = 3;
  EXPECT_THROW(session->recalculate(), std::runtime_error);
  EXPECT_EQ(totalQsos(), 2);
  EXPECT_TRUE(pump.changes.back().figures) << "the window must show the two rows counted";
  EXPECT_TRUE(session->recalcEnabled());
  EXPECT_FALSE(log.open);
  ASSERT_TRUE(host.failedRow);
  EXPECT_EQ(host.failedRow->CallSign, "R1AB") << "the record keeps the last row read";

  // A log that cannot be opened leaves the figures emptied, as the window shows them.
  log.failOpen = true;
  pump.changes.clear();
  EXPECT_THROW(session->recalculate(), std::runtime_error);
  EXPECT_EQ(totalQsos(), 0);
  ASSERT_EQ(pump.changes.size(), 2u);
  EXPECT_TRUE(pump.changes.front().recounting);
  EXPECT_FALSE(pump.changes.back().figures);
  EXPECT_TRUE(session->recalcEnabled());
}

TEST_F(Session, ContactsAddedWhileTheLogOpensAreCountedOnce)
{
  const Contact inLog{"R1AA", "7", "RTTY", "599 AB", "UA3A", "UA3A", "UA3A"};
  std::int32_t added = 0, repeated = 0;
  pump.passes = {nullptr, [&] {
                   added = session->count(inLog).points;
                   repeated = session->count(inLog).points;
                 }};
  ASSERT_TRUE(session->recalculate());
  EXPECT_EQ(added, 1);
  EXPECT_EQ(repeated, -1);
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
    session->release();
    askedDuringEvents = pump.destructionsAsked;
  };
  EXPECT_FALSE(session->recalculate());

  EXPECT_EQ(askedDuringEvents, 0) << "the owner was to be destroyed under its own recalculation";
  EXPECT_EQ(pump.destructionsAsked, 1);
  EXPECT_FALSE(log.open);
  EXPECT_FALSE(session->recalcEnabled());
  EXPECT_FALSE(pump.changes.back().figures) << "a released window shows no new figures";
  EXPECT_FALSE(session->whileHeld([] { FAIL() << "work ran on a released session"; }));
  EXPECT_EQ(pump.destructionsAsked, 1);
}

INSTANTIATE_TEST_SUITE_P(Moments, ReleaseDuringRecalc, ::testing::Values(0, 1), [](const auto& info) {
  return std::string(info.param ? "AfterTheLogOpened" : "BeforeTheLogIsRead");
});

TEST_F(Session, AnOwnerDestroyedWhileEventsRunIsNotTouchedAfterwards)
{
  // Under the address sanitizer a touch of the freed session fails the test.
  for (std::size_t pass : {0u, 1u}) {
    session = std::make_unique<ScoringSession>(host, pump, log.readers(), kNoAreaFile);
    pump.passes.assign(pass + 1, nullptr);
    pump.passes.back() = [&] { session.reset(); };
    EXPECT_FALSE(session->recalculate());
    EXPECT_EQ(pump.destructionsAsked, 0);
  }
}

}  // namespace
}  // namespace q9x::coretest
