// The records a host hands to the plug-in, built directly: the short
// strings' length byte and cut, every field at its place, the host's own
// spans left as the host filled them.

#include <gtest/gtest.h>

#include <string>

#include "host/HostRecord.h"
#include "hostkit/HostRecord.h"
#include "plugin/q9xcup.h"

namespace {

struct ShortCase {
  const char* name;
  std::string text;
  std::string stored;
};

void PrintTo(const ShortCase& c, std::ostream* os) { *os << c.name; }

class ShortString : public ::testing::TestWithParam<ShortCase> {};

TEST_P(ShortString, KeepsLengthByteAndText)
{
  TShortString field;
  std::fill(std::begin(field), std::end(field), 0xEE);
  q9x::writeShort(field, GetParam().text);
  EXPECT_EQ(static_cast<std::size_t>(field[0]), GetParam().stored.size());
  EXPECT_EQ(std::string(q9x::readShort(field)), GetParam().stored);
  // The bytes past the text stay as they were.
  if (GetParam().stored.size() < 255) {
    EXPECT_EQ(field[1 + GetParam().stored.size()], 0xEE);
  }
}

INSTANTIATE_TEST_SUITE_P(
    HostKit, ShortString,
    ::testing::Values(ShortCase{"Empty", "", ""}, ShortCase{"Text", "UA3A", "UA3A"},
                      ShortCase{"AnyByte", std::string("\0\xFF\x7F", 3), std::string("\0\xFF\x7F", 3)},
                      ShortCase{"Longest", std::string(255, 'x'), std::string(255, 'x')},
                      ShortCase{"CutAfter255", std::string(255, 'x') + "yz", std::string(255, 'x')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostKitRecord, CarriesEveryFieldAndLeavesTheHostsSpansFilled)
{
  const TPluginRecord rec = q9xkit::makeRecord({7, "Log", "Caption", "UA3A"},
                                               {"R3AA", "3.5", "RTTY", "EU", "599 AB", "UA3B", "UA"}, 0xA5);
  EXPECT_EQ(rec.Connection, 7);
  const std::pair<const TShortString*, const char*> fields[] = {
      {&rec.TableName, "Log"},   {&rec.CaptionText, "Caption"}, {&rec.MyMainPrefix, "UA3A"},
      {&rec.CallSign, "R3AA"},   {&rec.DigiBand, "3.5"},        {&rec.QSOMode, "RTTY"},
      {&rec.Continent, "EU"},    {&rec.QSOReportRecived, "599 AB"}, {&rec.MainPrefix, "UA3B"},
      {&rec.DXCCPrefix, "UA"}};
  for (const auto& [field, text] : fields) EXPECT_EQ(q9x::readShort(*field), text);
  for (const unsigned char* span : {rec.HostData1, rec.HostData2, rec.HostData3, rec.HostData4,
                                    rec.HostData5, rec.HostData6})
    EXPECT_EQ(span[0], 0xA5);
  EXPECT_EQ(rec.HostData6[sizeof rec.HostData6 - 1], 0xA5);
  EXPECT_EQ(rec.CallSign[5], 0xA5) << "past the text";
}

TEST(HostRecord, TextsGoInTheLocalEncodingCutTo255Bytes)
{
  const QString call = QString::fromUtf8("R3\xC3\x84Z");
  const QString longReport(300, QLatin1Char('9'));
  const TPluginRecord rec =
      q9xhost::makeRecord({3, "Log", "q9x-host", "UA3A"}, {call, "7", "CW", "", longReport, "UA3A", "UA3A"});
  EXPECT_EQ(rec.Connection, 3);
  EXPECT_EQ(std::string(q9x::readShort(rec.CallSign)), call.toLocal8Bit().toStdString());
  EXPECT_EQ(q9xkit::readShortText(rec.CallSign), call);
  EXPECT_EQ(q9x::readShort(rec.QSOReportRecived).size(), 255u);
  EXPECT_EQ(rec.HostData1[0], 0) << "the host's spans are zero";
}

}  // namespace
