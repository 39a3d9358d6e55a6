#include "engine/QsoRegister.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

namespace q9x {
namespace {

std::vector<std::string> callSigns(const QsoRegister& r)
{
  std::vector<std::string> calls;
  for (const TQSO& q : r.list()) calls.push_back(q.CallSign);
  return calls;
}

TEST(QsoRegister, KeepsCallsignByteOrderWhateverTheArrivalOrder)
{
  QsoRegister r;
  for (const char* call : {"UA3ABC", "R3A", "UA3AB/P", "UA3AB", "\xc0QQ", "UA3AB1", "ua3ab"})
    r.add(call, "7", "CW");
  // A callsign sorts before itself with a suffix, a slash before digits and
  // letters, capitals before small letters, and bytes above 127 last.
  EXPECT_EQ(callSigns(r), (std::vector<std::string>{"R3A", "UA3AB", "UA3AB/P", "UA3AB1", "UA3ABC",
                                                    "ua3ab", "\xc0QQ"}));
}

TEST(QsoRegister, FindsOnlyTheExactCallsignBandAndMode)
{
  QsoRegister r;
  EXPECT_FALSE(r.contains("UA3AB", "7", "CW"));
  r.add("UA3AB", "7", "CW");
  r.add("UA3AB", "3.5", "CW");
  r.add("UA3AB", "7", "RTTY");
  EXPECT_TRUE(r.contains("UA3AB", "7", "CW"));
  EXPECT_TRUE(r.contains("UA3AB", "7", "RTTY"));
  EXPECT_FALSE(r.contains("UA3AB", "14", "CW"));
  EXPECT_FALSE(r.contains("UA3AB", "3.5", "RTTY"));
  EXPECT_FALSE(r.contains("ua3ab", "7", "CW"));
  EXPECT_FALSE(r.contains("UA3AB", "7 ", "CW"));
  EXPECT_EQ(r.size(), 3u);
}

TEST(QsoRegister, AddsOnlyWhatIsNotRegisteredWhereverItSorts)
{
  // A log read in callsign order appends at the end; everything else is
  // searched for. Both ways a repeat is refused.
  QsoRegister r;
  EXPECT_TRUE(r.add("R3AA", "7", "CW"));
  EXPECT_TRUE(r.add("UA3AB", "7", "CW"));
  EXPECT_FALSE(r.add("UA3AB", "7", "CW"));   // repeats the last entry
  EXPECT_TRUE(r.add("UA3AB", "3.5", "CW"));  // same callsign as the last, other band
  EXPECT_FALSE(r.add("R3AA", "7", "CW"));    // repeats an earlier entry
  EXPECT_TRUE(r.add("R3A", "7", "CW"));      // sorts first
  EXPECT_EQ(callSigns(r), (std::vector<std::string>{"R3A", "R3AA", "UA3AB", "UA3AB"}));
  EXPECT_TRUE(r.contains("UA3AB", "3.5", "CW"));
}

TEST(QsoRegister, ClearForgetsEveryContact)
{
  QsoRegister r;
  r.add("UA3AB", "7", "CW");
  r.clear();
  EXPECT_EQ(r.size(), 0u);
  EXPECT_FALSE(r.contains("UA3AB", "7", "CW"));
  r.add("DL1AA", "14", "FT8");
  EXPECT_EQ(r.list().front().Band, "14");
  EXPECT_EQ(r.list().front().Mode, "FT8");
}

TEST(QsoRegister, RefusesARepeatOnceContactsLeftCallsignOrder)
{
  QsoRegister r;
  EXPECT_TRUE(r.add("UA3AB", "7", "CW"));
  EXPECT_TRUE(r.add("R3AA", "7", "CW"));
  EXPECT_FALSE(r.add("UA3AB", "7", "CW"));  // sorts after the last one added
  EXPECT_EQ(r.size(), 2u);
}

TEST(QsoRegister, RefusesARepeatAmongTheContactsOfOneCallsign)
{
  // In callsign order, on more bands than are looked at without the index.
  QsoRegister r;
  EXPECT_TRUE(r.add("R3AA", "7", "CW"));
  for (int band = 0; band < 12; ++band) EXPECT_TRUE(r.add("UA3AB", std::to_string(band), "CW"));
  EXPECT_FALSE(r.add("UA3AB", "9", "CW"));
  EXPECT_FALSE(r.add("UA3AB", "0", "CW"));
  EXPECT_TRUE(r.add("UA3AB", "0", "FT8"));
  EXPECT_EQ(r.size(), 14u);
}

TEST(QsoRegister, FindsEveryContactWhileItsIndexGrows)
{
  // Across several growths of the index, and part way through moving it.
  QsoRegister r;
  for (int i = 0; i < 20000; ++i) {
    const std::string call = "R" + std::to_string(i * 7919 % 20000);
    ASSERT_TRUE(r.add(call, "7", "CW")) << call;
    const std::string earlier = "R" + std::to_string(i / 2 * 7919 % 20000);
    ASSERT_TRUE(r.contains(earlier, "7", "CW")) << earlier << " after " << call;
    ASSERT_FALSE(r.add(earlier, "7", "CW")) << earlier << " after " << call;
  }
  EXPECT_EQ(r.size(), 20000u);
  EXPECT_FALSE(r.contains("R20000", "7", "CW"));
}

TEST(QsoRegister, AnswersAsAPlainSetWhateverTheOrderOfArrival)
{
  // Runs in callsign order, as a log is read, and contacts in any order, as a
  // host adds them, over few callsigns, bands and modes, so that repeats fall
  // among the entries that still wait for their places and among placed ones.
  std::mt19937 random(20261209);
  QsoRegister r;
  std::set<std::tuple<std::string, std::string, std::string>> model;
  const auto contact = [&] {
    return std::tuple{"R" + std::to_string(random() % 3000), std::string(random() % 2 ? "7" : "3.5"),
                      std::string(random() % 3 ? "CW" : "RTTY")};
  };
  for (int round = 0; round < 40; ++round) {
    std::vector<std::tuple<std::string, std::string, std::string>> batch(random() % 400);
    std::generate(batch.begin(), batch.end(), contact);
    if (round % 2 == 0) std::sort(batch.begin(), batch.end());
    for (const auto& [call, band, mode] : batch) {
      ASSERT_EQ(r.add(call, band, mode), model.emplace(call, band, mode).second) << call << " " << band << " " << mode;
      const auto [probeCall, probeBand, probeMode] = contact();
      ASSERT_EQ(r.contains(probeCall, probeBand, probeMode), model.count({probeCall, probeBand, probeMode}) == 1)
          << probeCall << " " << probeBand << " " << probeMode;
    }
  }
  EXPECT_EQ(r.size(), model.size());
}

}  // namespace
}  // namespace q9x
