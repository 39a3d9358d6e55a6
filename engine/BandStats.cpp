#include "engine/BandStats.h"

namespace q9x {

TStatistic& BandStats::entryFor(std::string_view band)
{
  const std::uint32_t id = bands_.intern(band);
  if (id == stats_.size()) stats_.push_back(TStatistic{std::string(band)});
  return stats_[id];
}

const TStatistic* BandStats::find(std::string_view band) const
{
  const auto id = bands_.find(band);
  return id ? &stats_[*id] : nullptr;
}

void BandStats::countContact(std::string_view band, std::int32_t points)
{
  TStatistic& entry = entryFor(band);
  entry.QSOs += 1;
  entry.Points += points;
  totals_.QSOs += 1;
  totals_.Points += points;
}

void BandStats::countMultiplier(std::string_view band, MultiplierKind kind)
{
  TStatistic& entry = entryFor(band);
  if (kind == MultiplierKind::Area) {
    entry.AreaMults += 1;
    totals_.Area += 1;
  } else {
    entry.RdaMults += 1;
    totals_.Rda += 1;
  }
}

void BandStats::clear()
{
  stats_.clear();
  bands_.clear();
  totals_ = {};
}

}  // namespace q9x
