#pragma once
// Realistic contest contacts for the benchmark's logs: Russian stations of the
// UA3A area sending two-letter area codes, other Russian stations sending RDA
// codes, foreign stations sending serial numbers; bands mostly 3.5 and 7 MHz.
// Every contact is new: no two share callsign, band and mode.

#include <cstddef>
#include <string>
#include <vector>

namespace q9x::bench {

struct GeneratedContact {
  std::string callSign;
  std::string band;
  std::string mode;
  std::string report;      // exchange received, e.g. "599 AB" or "59 MO45"
  std::string mainPrefix;
  std::string dxccPrefix;
  std::string continent;
};

// The same seed always gives the same contacts, so runs are comparable.
std::vector<GeneratedContact> generateContacts(std::size_t count, unsigned seed = 20240601);

}  // namespace q9x::bench
