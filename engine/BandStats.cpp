#include "engine/BandStats.h"

#include <algorithm>

namespace q9x {

TStatistic& BandStats::entryFor(std::string_view band)
{
  const std::uint32_t id = bands_.intern(band);
  if (id == stats_.size()) {
    stats_.push_back(TStatistic{std::string(band)});
    lastContact_.push_back(0);
  }
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
  lastContact_[static_cast<std::size_t>(&entry - stats_.data())] = totals_.QSOs;
}

std::vector<const TStatistic*> BandStats::byLastContact() const
{
  std::vector<std::size_t> order(stats_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [this](std::size_t a, std::size_t b) { return lastContact_[a] < lastContact_[b]; });
  std::vector<const TStatistic*> entries;
  entries.reserve(order.size());
  for (std::size_t i : order) entries.push_back(&stats_[i]);
  return entries;
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
  lastContact_.clear();
  bands_.clear();
  totals_ = {};
}

}  // namespace q9x
