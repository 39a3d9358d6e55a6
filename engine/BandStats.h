#pragma once
// Figures per band text, in order of the band's first appearance, with the
// totals over every band kept up to date as contacts are counted.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/TextPool.h"

namespace q9x {

struct TStatistic {
  std::string Band;
  std::int32_t QSOs = 0;
  std::int32_t Points = 0;
  std::int32_t AreaMults = 0;
  std::int32_t RdaMults = 0;
};

struct Totals {
  std::int64_t QSOs = 0;
  std::int64_t Points = 0;
  std::int64_t Area = 0;
  std::int64_t Rda = 0;
  // Points times all multipliers; 64 bits, as a large log overflows 32.
  std::int64_t score() const { return Points * (Area + Rda); }
};

enum class MultiplierKind { Area, Rda };

class BandStats {
 public:
  // Counts one contact with its points on the band, creating the band's entry.
  void countContact(std::string_view band, std::int32_t points);
  // Counts one new multiplier of the kind on a band that already has an entry.
  void countMultiplier(std::string_view band, MultiplierKind kind);

  const std::vector<TStatistic>& list() const { return stats_; }
  const TStatistic* find(std::string_view band) const;
  const Totals& totals() const { return totals_; }
  // The entries of list() from the band counted on longest ago to the one
  // counted on last: which band a scan ended on is read once after it.
  std::vector<const TStatistic*> byLastContact() const;
  void clear();

 private:
  TStatistic& entryFor(std::string_view band);

  std::vector<TStatistic> stats_;  // by the band's number in bands_
  std::vector<std::int64_t> lastContact_;  // per entry: totals_.QSOs after its last contact
  TextPool bands_;
  Totals totals_;
};

}  // namespace q9x
