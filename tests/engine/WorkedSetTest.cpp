// The worked multipliers against a plain set of folded (band, code) pairs:
// many bands and codes in mixed letters, across every growth of the index.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <utility>

#include "engine/Text.h"
#include "engine/WorkedSet.h"

using q9x::WorkedSet;

TEST(WorkedSet, FindsWhatAPlainSetOfFoldedPairsHolds)
{
  std::mt19937 random(20261209);
  const std::string letters = "aAbB7|. z";
  const auto text = [&](std::size_t most) {
    std::string t(random() % (most + 1), ' ');
    for (char& c : t) c = letters[random() % letters.size()];
    return t;
  };
  WorkedSet worked;
  std::set<std::pair<std::string, std::string>> model;
  for (int round = 0; round < 40000; ++round) {
    const std::string band = text(3);
    const std::string code = text(4);
    const bool added = model.emplace(q9x::upperAscii(band), q9x::upperAscii(code)).second;
    ASSERT_EQ(worked.insert(band, code), added) << "'" << band << "' '" << code << "'";
    if (added) {
      ASSERT_EQ(worked.list().back(), q9x::workedKey(band, q9x::upperAscii(code)));
    }
  }
  EXPECT_EQ(worked.list().size(), model.size());
  for (int probe = 0; probe < 5000; ++probe) {
    const std::string band = text(3);
    const std::string code = text(4);
    ASSERT_EQ(worked.contains(band, code), model.count({q9x::upperAscii(band), q9x::upperAscii(code)}) == 1);
  }
}

TEST(WorkedSet, CodesApartByLengthOrTooLong)
{
  WorkedSet worked;
  EXPECT_TRUE(worked.insert("7", "A"));
  EXPECT_TRUE(worked.insert("7", std::string("A\0", 2))) << "a zero byte is a byte of the code";
  EXPECT_TRUE(worked.insert("7", ""));
  EXPECT_FALSE(worked.insert("7", "ABCDE")) << "longer than any code the rules read";
  EXPECT_FALSE(worked.contains("7", "ABCDE"));
  EXPECT_FALSE(worked.contains("3.5", "A")) << "a band never worked";
  worked.clear();
  EXPECT_FALSE(worked.contains("7", "A"));
  EXPECT_TRUE(worked.insert("7", "a"));
  EXPECT_EQ(worked.list(), std::vector<std::string>{"7|A|"});
}
