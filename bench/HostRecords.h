#pragma once
// Host records for the benchmark's contacts, built once so that the timed
// calls measure the plug-in and not the host's record filling.

#include <string>
#include <vector>

#include "bench/ContactGenerator.h"
#include "plugin/q9xcup.h"

namespace q9x::bench {

// The operator's own station and log, common to every record.
struct Station {
  std::string table;
  std::string myMainPrefix = "UA3A";
  std::string caption = "Benchmark";
};

// The record of the station on the default Qt SQL connection, with the
// contact when there is one; zero-filled.
TPluginRecord hostRecord(const Station& station, const GeneratedContact* contact = nullptr);

std::vector<TPluginRecord> hostRecords(const Station& station,
                                       const std::vector<const GeneratedContact*>& contacts);

}  // namespace q9x::bench
