#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/LogScan.h"

namespace q9x {
namespace {

LogRow row(std::string call, std::string band, std::string report = "599 AB",
           std::string mainPrefix = "UA3A")
{
  return LogRow{std::move(report), "UA3A", std::move(mainPrefix), std::move(call),
                std::move(band),   "RTTY", "eu"};
}

// Hands out prepared rows; optionally fails when asked for one more.
class RowsSource final : public LogSource {
 public:
  explicit RowsSource(std::vector<LogRow> rows, bool failAtEnd = false)
      : rows_(std::move(rows)), failAtEnd_(failAtEnd)
  {
  }
  bool next(LogRow& into) override
  {
    if (at_ == rows_.size()) {
      if (failAtEnd_) {
        into.CallSign = "BEING-READ";
        throw std::runtime_error("connection lost");
      }
      return false;
    }
    into = rows_[at_++];
    return true;
  }

 private:
  std::vector<LogRow> rows_;
  std::size_t at_ = 0;
  bool failAtEnd_;
};

class CountLog : public ::testing::Test {
 protected:
  std::size_t count(std::vector<LogRow> rows)
  {
    RowsSource source(std::move(rows));
    return countLog(engine, source, scanned, "UA3A");
  }

  ContestEngine engine;
  LogRow scanned;
};

TEST_F(CountLog, EveryRowIsReadButRepeatsAreCountedOnce)
{
  EXPECT_EQ(count({row("R1AA", "3.5"), row("R1AA", "3.5"), row("R1AA", "7"), row("R1AB", "3.5")}), 4u);
  EXPECT_EQ(engine.qsoList().size(), 3u);
  EXPECT_EQ(engine.stats().totals().QSOs, 3);
  EXPECT_EQ(engine.stats().find("3.5")->QSOs, 2);
}

TEST_F(CountLog, RowIsCountedWithTheOwnPrefixGiven)
{
  count({row("R1AA", "3.5", "599 AB", "UA3A"), row("R1AB", "3.5", "599 1234", "R1")});
  EXPECT_EQ(engine.stats().totals().Points, 1 + 5);
  EXPECT_EQ(engine.stats().totals().Area, 1);
  EXPECT_EQ(engine.stats().totals().Rda, 1);
}

TEST_F(CountLog, LeavesTheLastRowNormalised)
{
  LogRow last = row(std::string(300, 'C'), "7", std::string(256, '9'));
  last.Continent = "as";
  count({row("R1AA", "3.5"), last});
  EXPECT_EQ(scanned.CallSign, std::string(255, 'C'));
  EXPECT_EQ(scanned.QSOReportRecived, std::string(255, '9'));
  EXPECT_EQ(scanned.Continent, "AS");
  EXPECT_EQ(scanned.DigiBand, "7");
}

TEST_F(CountLog, CallsignsCutTo255BytesAreTheSameContact)
{
  std::string longCall(255, 'K');
  count({row(longCall + "1", "7"), row(longCall + "2", "7")});
  EXPECT_EQ(engine.qsoList().size(), 1u);
}

TEST_F(CountLog, OnlyTheContinentIsUpperCased)
{
  LogRow lower{"599 ab", "ua3a", "ua3a", "r1aa", "3.5", "rtty", "eu"};
  count({lower});
  EXPECT_EQ(scanned.Continent, "EU");
  EXPECT_EQ(scanned.CallSign, "r1aa");
  EXPECT_EQ(scanned.MainPrefix, "ua3a");
  ASSERT_EQ(engine.qsoList().list().size(), 1u);
  EXPECT_EQ(engine.qsoList().list()[0].CallSign, "r1aa");
  EXPECT_EQ(engine.qsoList().list()[0].Mode, "rtty");
}

TEST_F(CountLog, EmptyLogCountsNothing)
{
  EXPECT_EQ(count({}), 0u);
  EXPECT_EQ(engine.stats().totals().QSOs, 0);
  EXPECT_TRUE(engine.stats().list().empty());
}

TEST_F(CountLog, ErrorKeepsWhatWasCountedAndTheRowBeingRead)
{
  RowsSource source({row("R1AA", "3.5"), row("R1AB", "7")}, true);
  EXPECT_THROW(countLog(engine, source, scanned, "UA3A"), std::runtime_error);
  EXPECT_EQ(engine.stats().totals().QSOs, 2);
  EXPECT_EQ(scanned.CallSign, "BEING-READ");
}

}  // namespace
}  // namespace q9x
