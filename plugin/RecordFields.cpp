#include "plugin/RecordFields.h"

#include "plugin/RecordTexts.h"

namespace q9x {

Contact contactOf(const TPluginRecord& r)
{
  Contact contact;
  for (const RecordText& text : kRecordTexts)
    if (text.contact) contact.*text.contact = readShort(r.*text.field);
  return contact;
}

LogRow logRowOf(const TPluginRecord& r)
{
  LogRow row;
  for (const RecordText& text : kRecordTexts)
    if (text.column) row.*text.column = readShort(r.*text.field);
  return row;
}

}  // namespace q9x
