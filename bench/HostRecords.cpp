#include "bench/HostRecords.h"

#include "hostkit/HostRecord.h"

namespace q9x::bench {

TPluginRecord hostRecord(const Station& station, const GeneratedContact* contact)
{
  const q9xkit::SessionFields session{0, station.table, station.caption, station.myMainPrefix};
  if (!contact) return q9xkit::makeRecord(session);
  return q9xkit::makeRecord(session, {contact->callSign, contact->band, contact->mode, contact->continent,
                                      contact->report, contact->mainPrefix, contact->dxccPrefix});
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
