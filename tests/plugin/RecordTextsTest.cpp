// The record's contact texts as the plug-in reads them and writes a scanned
// row back: every field from and to its own place, and nothing else of the
// host's record touched.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "plugin/RecordFields.h"
#include "plugin/RecordTexts.h"

namespace {

using q9x::readShort;

// Each log column's field of the record holds the column's own name.
void fillWithColumnNames(TPluginRecord& r)
{
  const std::pair<TShortString*, const char*> texts[] = {
      {&r.CallSign, "CallSign"},     {&r.DigiBand, "DigiBand"},   {&r.QSOMode, "QSOMode"},
      {&r.Continent, "Continent"},   {&r.MainPrefix, "MainPrefix"}, {&r.DXCCPrefix, "DXCCPrefix"},
      {&r.QSOReportRecived, "QSOReportRecived"}, {&r.MyMainPrefix, "mine"}, {&r.TableName, "Log"}};
  for (const auto& [field, text] : texts) q9x::writeShort(*field, text);
}

void expectColumnNames(const q9x::LogRow& row)
{
  for (const q9x::LogColumn& column : q9x::kLogColumns) EXPECT_EQ(row.*column.field, column.name);
}

TEST(RecordTexts, EveryFieldIsReadFromAndWrittenToItsOwnPlace)
{
  TPluginRecord record;
  std::memset(&record, 0xA5, sizeof record);
  fillWithColumnNames(record);

  const q9x::Contact contact = q9x::contactOf(record);
  const std::pair<std::string_view, const char*> read[] = {
      {contact.callSign, "CallSign"},     {contact.band, "DigiBand"},         {contact.mode, "QSOMode"},
      {contact.report, "QSOReportRecived"}, {contact.mainPrefix, "MainPrefix"}, {contact.dxccPrefix, "DXCCPrefix"},
      {contact.myMainPrefix, "mine"}};
  for (const auto& [got, expected] : read) EXPECT_EQ(got, expected);

  const q9x::LogRow row = q9x::logRowOf(record);
  expectColumnNames(row);

  TPluginRecord back;
  std::memset(&back, 0x5A, sizeof back);
  q9x::storeLogRow(back, row);
  expectColumnNames(q9x::logRowOf(back));
  for (const unsigned char* untouched : {back.TableName, back.MyMainPrefix, back.CaptionText, back.HostData3})
    EXPECT_EQ(untouched[0], 0x5A) << "a field that holds no column was written";
  EXPECT_EQ(back.CallSign[1 + std::strlen("CallSign")], 0x5A) << "past the text";
}

}  // namespace
