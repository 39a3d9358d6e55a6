#include "engine/BandStats.h"

namespace q9x {

TStatistic& BandStats::entryFor(std::string_view band)
{
  auto it = index_.find(band);
  if (it != index_.end()) return stats_[it->second];
  index_.emplace(std::string(band), stats_.size());
  stats_.push_back(TStatistic{std::string(band)});
  return stats_.back();
}

const TStatistic* BandStats::find(std::string_view band) const
{
  auto it = index_.find(band);
  return it == index_.end() ? nullptr : &stats_[it->second];
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
  index_.clear();
  totals_ = {};
}

}  // namespace q9x
