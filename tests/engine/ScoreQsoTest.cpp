#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ContestEngine.h"

namespace q9x {
namespace {

// A contact whose texts the test owns.
struct Qso {
  std::string call = "R3AA";
  std::string band = "3.5";
  std::string mode = "CW";
  std::string report = "599 1234";
  std::string mainPrefix = "R3";
  std::string myMainPrefix = "UA3A";

  Contact view() const { return Contact{call, band, mode, report, mainPrefix, "", myMainPrefix}; }
};

class ScoreQso : public ::testing::Test {
 protected:
  std::int32_t add(const Qso& q) { return engine.count(q.view()).points; }
  std::int32_t score(const Qso& q) const { return engine.points(q.view()); }
  const TStatistic& band(const char* b) { return *engine.stats().find(b); }

  ContestEngine engine;
};

struct PointsRow {
  const char* name;
  const char* band;
  const char* mine;
  const char* theirs;
  std::int32_t points;
};

class Points : public ::testing::TestWithParam<PointsRow> {};

TEST_P(Points, DependOnBandAndOnWhichSideOfTheAreaEachStationIs)
{
  const PointsRow& row = GetParam();
  ContestEngine engine;
  Qso q;
  q.band = row.band;
  q.myMainPrefix = row.mine;
  q.mainPrefix = row.theirs;
  EXPECT_EQ(engine.points(q.view()), row.points);
  EXPECT_EQ(engine.count(q.view()).points, row.points);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Points,
    ::testing::Values(PointsRow{"bothInside", "3.5", "UA3A", "UA3A", 1},
                      PointsRow{"insideToOutside", "3.5", "UA3A", "DL", 5},
                      PointsRow{"outsideToInside", "7", "R3", "UA3A", 5},
                      PointsRow{"bothOutside", "7", "R3", "DL", 1},
                      PointsRow{"lowerCasePrefixIsOutside", "7", "UA3A", "ua3a", 5},
                      PointsRow{"emptyPrefixesAreOutside", "7", "", "", 1},
                      PointsRow{"band14HasNoPoints", "14", "UA3A", "DL", 0},
                      PointsRow{"bandWithBlankHasNoPoints", "7 ", "UA3A", "DL", 0},
                      PointsRow{"band80IsWrittenAs3_5", "80", "UA3A", "DL", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScoreQso, CountsEveryBandAndTotalsIncludeBandsWithoutPoints)
{
  Qso a;
  Qso b;
  b.call = "DL1AA";
  b.band = "14";
  b.report = "59 AB12";
  EXPECT_EQ(add(a), 5);
  EXPECT_EQ(add(b), 0);
  EXPECT_EQ(band("14").QSOs, 1);
  EXPECT_EQ(band("14").Points, 0);
  EXPECT_EQ(band("14").RdaMults, 1);
  const Totals& t = engine.stats().totals();
  EXPECT_EQ(t.QSOs, 2);
  EXPECT_EQ(t.Points, 5);
  EXPECT_EQ(t.Rda, 2);
  EXPECT_EQ(t.score(), 10);
}

TEST_F(ScoreQso, BandEntriesFollowTheBandTextsFirstAppearance)
{
  int n = 0;
  for (const char* b : {"7", "7 ", "3.5", "7"}) {
    Qso q;
    q.call = "C" + std::to_string(++n);
    q.band = b;
    add(q);
  }
  const auto& list = engine.stats().list();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Band, "7");
  EXPECT_EQ(list[0].QSOs, 2);
  EXPECT_EQ(list[1].Band, "7 ");
  EXPECT_EQ(list[1].Points, 0);
  EXPECT_EQ(list[2].Band, "3.5");
}

// Past a handful of band texts they are found through a hashed index; each
// keeps its own figures and repeats across that change.
TEST_F(ScoreQso, EveryBandTextKeepsItsFiguresAndRepeatsHoweverManyThereAre)
{
  const std::vector<std::string> bands = {"1.8", "3.5", "7", "10", "14", "18", "21",
                                          "24", "28", "50", "144", "7 ", "3.5:7"};
  Qso q;
  for (const std::string& b : bands) {
    q.band = b;
    EXPECT_GE(add(q), 0) << b;
  }
  for (const std::string& b : bands) {
    q.band = b;
    EXPECT_EQ(score(q), -1) << b;
    EXPECT_EQ(band(b.c_str()).QSOs, 1) << b;
    EXPECT_EQ(band(b.c_str()).RdaMults, 1) << b;
  }
  EXPECT_EQ(engine.stats().list().size(), bands.size());
  EXPECT_EQ(engine.stats().find("430"), nullptr);
}

TEST_F(ScoreQso, AreaStationsSendTwoLettersOthersFourLettersOrDigitsAtTheEnd)
{
  struct Row {
    const char* prefix;
    const char* report;
    std::int32_t area;
    std::int32_t rda;
  };
  const Row rows[] = {
      {"UA3A", "599 12 ab  ", 1, 0},    // lower case and trailing blanks are read as AB
      {"UA3A", "59912XY", 1, 0},        // two letters right after digits
      {"UA3A", "599 A1", 0, 0},         // a digit in the last two
      {"UA3A", "599 mo45", 0, 0},       // an RDA code from an area station is no area code
      {"R3", "599 mo45", 0, 1},         // lower case read as MO45
      {"R3", "599 MO-5", 0, 0},         // a hyphen in the last four
      {"R3", "599 M 45", 0, 0},         // a blank in the last four
      {"R3", "AB1", 0, 0},              // too short
      {"R3", "\t1234\r\n", 0, 1},       // control bytes trimmed first
      {"R3", "599 0017 a long remark mo45 \r\n", 0, 1},  // only the end of a long report counts
      {"UA3A", "599 0017 a long remark Ab\t", 1, 0},
      {"ua3a", "599 KL", 0, 0},         // lower-case prefix: outside, needs four characters
  };
  for (const Row& row : rows) {
    ContestEngine fresh;
    Qso q;
    q.mainPrefix = row.prefix;
    q.report = row.report;
    fresh.count(q.view());
    const TStatistic& s = *fresh.stats().find("3.5");
    EXPECT_EQ(s.AreaMults, row.area) << row.prefix << " '" << row.report << "'";
    EXPECT_EQ(s.RdaMults, row.rda) << row.prefix << " '" << row.report << "'";
  }
}

TEST_F(ScoreQso, AMultiplierCountsOncePerBandWhateverItsLetterCase)
{
  Qso q;
  q.mainPrefix = "UA3A";
  q.report = "599 AB";
  add(q);
  q.call = "R3BB";
  q.report = "599 ab";
  add(q);
  q.call = "R3CC";
  q.band = "7";
  add(q);
  EXPECT_EQ(band("3.5").AreaMults, 1);
  EXPECT_EQ(band("7").AreaMults, 1);
  EXPECT_EQ(engine.areaWorked().list(), (std::vector<std::string>{"3.5|AB|", "7|AB|"}));
  EXPECT_TRUE(engine.areaWorked().contains("3.5", "ab"));
  EXPECT_TRUE(engine.rdaWorked().list().empty());

  // A band text with letters: the key keeps the band as written, and the
  // same band in other letters is the same worked band.
  q.call = "R3DD";
  q.band = "2m";
  add(q);
  q.call = "R3EE";
  q.band = "2M";
  add(q);
  EXPECT_EQ(engine.areaWorked().list().back(), "2m|AB|");
  EXPECT_EQ(engine.areaWorked().list().size(), 3u);
  EXPECT_TRUE(engine.areaWorked().contains("2M", "ab"));
  EXPECT_EQ(band("2m").AreaMults, 1);
  EXPECT_EQ(band("2M").AreaMults, 0);
}

TEST_F(ScoreQso, ARepeatOnTheSameBandAndModeIsRefusedAndChangesNothing)
{
  Qso q;
  EXPECT_EQ(score(q), 5);
  EXPECT_EQ(engine.qsoList().size(), 0u);  // scoring without counting records nothing
  EXPECT_EQ(add(q), 5);
  EXPECT_EQ(score(q), -1);
  EXPECT_EQ(add(q), -1);
  EXPECT_EQ(engine.qsoList().size(), 1u);
  EXPECT_EQ(band("3.5").QSOs, 1);

  Qso otherMode = q;
  otherMode.mode = "RTTY";
  Qso otherBand = q;
  otherBand.band = "7";
  Qso otherCase = q;
  otherCase.call = "r3aa";
  EXPECT_EQ(score(otherMode), 5);
  EXPECT_EQ(score(otherBand), 5);
  EXPECT_EQ(score(otherCase), 5);
}

TEST_F(ScoreQso, RepeatsAreRefusedWhateverOrderTheContactsCameIn)
{
  // Contacts without points arriving in falling callsign order must not hide
  // a later repeat from the search.
  for (const char* call : {"ZZ9ZZ", "MM1MM", "AA1AA"}) {
    Qso q;
    q.call = call;
    q.band = "14";
    EXPECT_EQ(add(q), 0);
  }
  Qso repeat;
  repeat.call = "AA1AA";
  repeat.band = "14";
  EXPECT_EQ(add(repeat), -1);
  EXPECT_EQ(band("14").QSOs, 3);
  std::vector<std::string> calls;
  for (const TQSO& e : engine.qsoList().list()) calls.push_back(e.CallSign);
  EXPECT_EQ(calls, (std::vector<std::string>{"AA1AA", "MM1MM", "ZZ9ZZ"}));
}

TEST_F(ScoreQso, ACountTellsItsBandAndTheMultipliersItFound)
{
  Qso q;
  q.band = "7 ";
  score(q);
  EXPECT_EQ(engine.qsoList().size(), 0u) << "scoring counts nothing";
  const CountResult first = engine.count(q.view());
  EXPECT_FALSE(first.repeat);
  EXPECT_EQ(first.band, "7 ");
  EXPECT_EQ(first.points, 0);
  EXPECT_EQ(first.newAreaMults, 0);
  EXPECT_EQ(first.newRdaMults, 1);
  const CountResult repeat = engine.count(q.view());
  EXPECT_TRUE(repeat.repeat);
  EXPECT_EQ(repeat.points, -1);
  EXPECT_EQ(repeat.newRdaMults, 0);
  q.call = "R3AB";
  EXPECT_EQ(engine.count(q.view()).newRdaMults, 0) << "worked on the band already";
}

TEST_F(ScoreQso, ClearEmptiesEverything)
{
  Qso q;
  q.mainPrefix = "UA3A";
  q.report = "AB";
  add(q);
  engine.clear();
  EXPECT_EQ(engine.qsoList().size(), 0u);
  EXPECT_TRUE(engine.stats().list().empty());
  EXPECT_EQ(engine.stats().totals().QSOs, 0);
  EXPECT_TRUE(engine.areaWorked().list().empty());
  EXPECT_EQ(add(q), 1);  // no longer a repeat
}

TEST(Score, IsPointsTimesAllMultipliersWithoutOverflow)
{
  EXPECT_EQ((Totals{0, 12, 3, 4}.score()), 84);
  // Beyond 32 bits: 5 million points times 1000 multipliers.
  EXPECT_EQ((Totals{1'000'000, 5'000'000, 600, 400}.score()), 5'000'000'000LL);
}

}  // namespace
}  // namespace q9x
