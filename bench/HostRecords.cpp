#include "bench/HostRecords.h"

#include "plugin/ShortString.h"

namespace q9x::bench {

TPluginRecord hostRecord(const Station& station, const GeneratedContact* contact)
{
  TPluginRecord r{};
  r.Connection = 0;  // the default Qt SQL connection
  writeShort(r.TableName, station.table);
  writeShort(r.MyMainPrefix, station.myMainPrefix);
  writeShort(r.CaptionText, station.caption);
  if (contact) {
    writeShort(r.CallSign, contact->callSign);
    writeShort(r.DigiBand, contact->band);
    writeShort(r.QSOMode, contact->mode);
    writeShort(r.Continent, contact->continent);
    writeShort(r.QSOReportRecived, contact->report);
    writeShort(r.MainPrefix, contact->mainPrefix);
    writeShort(r.DXCCPrefix, contact->dxccPrefix);
  }
  return r;
}

std::vector<TPluginRecord> hostRecords(const Station& station,
                                       const std::vector<const GeneratedContact*>& contacts)
{
  std::vector<TPluginRecord> records;
  records.reserve(contacts.size());
  for (const GeneratedContact* c : contacts) records.push_back(hostRecord(station, c));
  return records;
}

}  // namespace q9x::bench
