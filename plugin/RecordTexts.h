#pragma once
// The host record's texts that describe a contact, each beside the log
// column it holds and the contact field the rules read it as. The plug-in
// reads records and writes scanned rows back through this table, and the host
// kit fills records through it, so a field and its column cannot drift apart.

#include <array>
#include <string>
#include <string_view>

#include "engine/Contact.h"
#include "engine/LogRow.h"
#include "plugin/q9xcup.h"

namespace q9x {

struct RecordText {
  TShortString TPluginRecord::*field;
  std::string LogRow::*column;         // null: not a column of the log
  std::string_view Contact::*contact;  // null: the rules do not read it
};

inline constexpr std::array<RecordText, 8> kRecordTexts = {{
    {&TPluginRecord::CallSign, &LogRow::CallSign, &Contact::callSign},
    {&TPluginRecord::DigiBand, &LogRow::DigiBand, &Contact::band},
    {&TPluginRecord::QSOMode, &LogRow::QSOMode, &Contact::mode},
    {&TPluginRecord::Continent, &LogRow::Continent, nullptr},
    {&TPluginRecord::QSOReportRecived, &LogRow::QSOReportRecived, &Contact::report},
    {&TPluginRecord::MainPrefix, &LogRow::MainPrefix, &Contact::mainPrefix},
    {&TPluginRecord::DXCCPrefix, &LogRow::DXCCPrefix, &Contact::dxccPrefix},
    {&TPluginRecord::MyMainPrefix, nullptr, &Contact::myMainPrefix},
}};

// Stores the row's texts into the record's fields of its columns.
inline void storeLogRow(TPluginRecord& record, const LogRow& row)
{
  for (const RecordText& text : kRecordTexts)
    if (text.column) writeShort(record.*text.field, row.*text.column);
}

}  // namespace q9x
