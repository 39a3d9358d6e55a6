#pragma once
// The contest rules written out a second time, plainly and without the
// plug-in's code, for the random host to check every answer against: the
// register, points, multipliers per band, totals, the score line and the area
// code proposal. The plug-in keeps its register in callsign order at all
// times, so a repeat is refused whatever order the contacts came in.

#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace q9xtest {

struct ModelContact {
  std::string call, band, mode, report, mainPrefix, dxcc;
};

struct ModelBand {
  std::string band;
  std::int32_t qsos = 0, points = 0, area = 0, rda = 0;
};

class ContestModel {
 public:
  // -1 for a repeat, else the points; counted when count is set.
  std::int32_t score(const ModelContact& c, const std::string& myMainPrefix, bool count);
  // Empties everything and counts the log's rows in the order given.
  void recount(const std::vector<ModelContact>& rows, const std::string& myMainPrefix);

  const ModelBand* band(const std::string& band) const;
  ModelBand totals() const;
  std::string scoreLine() const;

 private:
  std::set<std::tuple<std::string, std::string, std::string>> register_;
  std::vector<ModelBand> bands_;
  std::vector<std::string> areaWorked_, rdaWorked_;  // keys folded to upper case
};

// The expected area code for a station, from the lines of the area file.
std::string proposedArea(const std::vector<std::string>& table, const std::string& dxcc,
                         const std::string& mainPrefix);

}  // namespace q9xtest
