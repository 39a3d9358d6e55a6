// One CSV line split into its fields, as the host's import reads it.

#include <gtest/gtest.h>

#include "host/CsvFile.h"

using namespace q9xhost;

namespace {

struct SplitCase {
  const char* name;
  QString line;
  QChar separator;
  std::optional<QStringList> fields;  // nothing: the quoting is broken
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class CsvLine : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CsvLine, SplitsIntoItsFields)
{
  const std::optional<QStringList> got = splitCsvLine(GetParam().line, GetParam().separator);
  ASSERT_EQ(got.has_value(), GetParam().fields.has_value()) << (got ? got->join('|').toStdString() : "broken");
  if (!got) return;
  EXPECT_EQ(got->join('|').toStdString(), GetParam().fields->join('|').toStdString());
  EXPECT_EQ(got->size(), GetParam().fields->size());
}

const std::optional<QStringList> kBroken;

INSTANTIATE_TEST_SUITE_P(
    Host, CsvLine,
    ::testing::Values(
        SplitCase{"Plain", "R3AA,7,RTTY", ',', QStringList{"R3AA", "7", "RTTY"}},
        SplitCase{"Empty", "", ',', QStringList{""}},
        SplitCase{"EmptyFields", ",,", ',', QStringList{"", "", ""}},
        SplitCase{"BlanksKept", " R3AA , 7 ", ',', QStringList{" R3AA ", " 7 "}},
        SplitCase{"Semicolons", "R3AA;7;599, AB", ';', QStringList{"R3AA", "7", "599, AB"}},
        SplitCase{"QuotedSeparator", "R3AA,\"599, AB\",EU", ',', QStringList{"R3AA", "599, AB", "EU"}},
        SplitCase{"DoubledQuote", "\"599 \"\"AB\"\"\"", ',', QStringList{"599 \"AB\""}},
        SplitCase{"QuotedEmpty", "\"\",x", ',', QStringList{"", "x"}},
        SplitCase{"QuotedLast", "a,\"b\"", ',', QStringList{"a", "b"}},
        SplitCase{"UnclosedQuote", "R3AA,\"599 AB", ',', kBroken},
        SplitCase{"TextAfterQuote", "\"599\" AB,EU", ',', kBroken},
        SplitCase{"QuoteInsideField", "59\"9,EU", ',', kBroken},
        SplitCase{"QuoteAfterText", "599 AB\",EU", ',', kBroken}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
