#include "engine/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/ContestRules.h"
#include "engine/KeyedHash.h"

namespace q9x {
namespace {

TEST(Text, TrimRemovesEveryControlByteAndBlankAtBothEnds)
{
  EXPECT_EQ(trimControls(std::string_view("\t\r\n \x01" "AB CD\x1f \0", 11)), "AB CD");
  EXPECT_EQ(trimControls("   "), "");
  // Bytes above 127 are text in the host's code page, never blanks.
  EXPECT_EQ(trimControls("\xa0X\xa0"), "\xa0X\xa0");
}

TEST(Text, UpperCasingChangesOnlyAsciiLetters)
{
  EXPECT_EQ(upperAscii("az09-/\xe0\xff"), "AZ09-/\xe0\xff");
}

TEST(Text, ListFieldTestMatchesTheHostsColonConvention)
{
  EXPECT_TRUE(isUa3a("UA3A"));
  EXPECT_FALSE(isUa3a("ua3a"));
  EXPECT_FALSE(isUa3a(" UA3A"));
  EXPECT_FALSE(isUa3a(""));
  EXPECT_FALSE(isUa3a("UA3"));
  EXPECT_TRUE(isPointsBand("3.5"));
  EXPECT_TRUE(isPointsBand("7"));
  // The colon list lets this odd text through, as the host's own test does.
  EXPECT_TRUE(isPointsBand("3.5:7"));
  EXPECT_FALSE(isPointsBand("7 "));
  EXPECT_FALSE(isPointsBand("14"));
  EXPECT_FALSE(isPointsBand(""));
}

// Texts that differ only in length, a trailing NUL byte, a byte past a
// whole word or letter case must not hash alike.
TEST(KeyedHash, EveryByteAndTheLengthCount)
{
  using namespace std::string_view_literals;
  const std::pair<std::string_view, std::string_view> differing[] = {
      {""sv, "\0"sv},          {"A"sv, "A\0"sv},         {"ABCDEFGH"sv, "ABCDEFGH\0"sv},
      {"ABCDEFGHI"sv, "ABCDEFGHJ"sv}, {"UA3A"sv, "ua3a"sv}, {"\xff"sv, "\x7f"sv},
  };
  for (auto [a, b] : differing) EXPECT_NE(keyedHash(a), keyedHash(b)) << a.size() << "/" << b.size();
  EXPECT_EQ(keyedHash("RA1AA"), keyedHash(std::string("RA1AA")));
}

}  // namespace
}  // namespace q9x
