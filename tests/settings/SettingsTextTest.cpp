#include <gtest/gtest.h>

#include "ui/settings/SettingsText.h"

namespace q9x {
namespace {

struct WordsRow {
  const char* name;
  const char* text;
  std::array<std::optional<int>, 4> expected;
};

constexpr std::nullopt_t none = std::nullopt;

class Words : public ::testing::TestWithParam<WordsRow> {};

TEST_P(Words, ReadsUpToFourNumbers)
{
  EXPECT_EQ(textToFour(QString::fromLatin1(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    StoredRectangles, Words,
    ::testing::Values(WordsRow{"Commas", "1,2,3,4", {1, 2, 3, 4}},
                      WordsRow{"Blanks", "1 2 3 4", {1, 2, 3, 4}},
                      WordsRow{"RunsOfSeparators", " 1, 2 ,,3  4,", {1, 2, 3, 4}},
                      WordsRow{"Negative", "-8,-30,1,2", {-8, -30, 1, 2}},
                      WordsRow{"ThreeWords", "1,2,3", {1, 2, 3, none}},
                      WordsRow{"NonNumericWords", "a,2,3x,4", {none, 2, none, 4}},
                      WordsRow{"MoreThanFour", "1,2,3,4,5", {1, 2, 3, 4}},
                      WordsRow{"Nothing", "", {none, none, none, none}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsText, WritesNumbersAndValuesAsStoredText)
{
  EXPECT_EQ(fourToText({-1, -1, 1009, 201}), "-1,-1,1009,201");
  EXPECT_EQ(screenSuffix(QSize(1024, 768)), "(1024x768)");
  EXPECT_EQ(storedValueText(QVariant(5)), "5");
  EXPECT_EQ(storedValueText(QVariant(-3)), "-3");
  EXPECT_EQ(storedValueText(QVariant(QStringLiteral("abc"))), "abc");
  EXPECT_EQ(storedValueText(QVariant()), "");
  EXPECT_EQ(textToInt(QStringLiteral("120"), 96), 120);
  EXPECT_EQ(textToInt(QStringLiteral("12a"), 96), 96);
  EXPECT_EQ(textToInt(QString(), 0), 0);
}

}  // namespace
}  // namespace q9x
