#include "ui/domlist/AreaListView.h"

#include <algorithm>
#include <unordered_map>

#include "engine/Bands.h"

namespace q9x {

namespace {
struct DistinctCodes {
  std::vector<std::string> codes;
  std::vector<std::uint32_t> lines;  // each listing line's code
};

DistinctCodes distinctCodes(const std::vector<std::string>& listedCodes)
{
  DistinctCodes distinct;
  std::unordered_map<std::string_view, std::uint32_t> numberOf;
  distinct.codes.reserve(listedCodes.size());
  distinct.lines.reserve(listedCodes.size());
  for (const std::string& code : listedCodes) {
    auto [at, added] = numberOf.try_emplace(code, static_cast<std::uint32_t>(distinct.codes.size()));
    if (added) distinct.codes.push_back(code);
    distinct.lines.push_back(at->second);
  }
  return distinct;
}

// The lines ordered by their codes' captions, equal captions in file order.
std::vector<std::uint32_t> listOrder(const DistinctCodes& distinct, CaptionOrder& order)
{
  // Area files repeat few codes many times: the platform's comparison, which
  // is slow, runs only among the distinct codes, and the lines are then
  // placed by their code's rank.
  order.take(distinct.codes);
  std::vector<std::uint32_t> byCaption(distinct.codes.size());
  for (std::uint32_t code = 0; code < byCaption.size(); ++code) byCaption[code] = code;
  std::stable_sort(byCaption.begin(), byCaption.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return order.compare(a, b) < 0; });
  // Distinct codes the platform ranks equal share a rank, so their lines too
  // stay in file order among each other.
  std::vector<std::size_t> rank(byCaption.size());
  std::size_t ranks = 0;
  for (std::size_t k = 0; k < byCaption.size(); ++k) {
    if (k > 0 && order.compare(byCaption[k - 1], byCaption[k]) < 0) ++ranks;
    rank[byCaption[k]] = ranks;
  }

  // A counting sort by rank: stable, and linear in the lines.
  std::vector<std::size_t> start(ranks + 2, 0);
  for (std::uint32_t code : distinct.lines) ++start[rank[code] + 1];
  for (std::size_t r = 1; r < start.size(); ++r) start[r] += start[r - 1];
  std::vector<std::uint32_t> items(distinct.lines.size());
  for (std::uint32_t code : distinct.lines) items[start[rank[code]]++] = code;
  return items;
}
}  // namespace

AreaListView::AreaListView(const std::vector<std::string>& listedCodes, CaptionOrder& order)
{
  DistinctCodes distinct = distinctCodes(listedCodes);
  items_ = listOrder(distinct, order);
  codes_ = std::move(distinct.codes);
  marks_ = AreaMarks(codes_);
}

std::string_view AreaListView::bandText() const
{
  return band_ != 0 ? BandNames[static_cast<std::size_t>(band_ - 1)] : std::string_view();
}

void AreaListView::selectBand(int n)
{
  if (n >= 1 && n <= static_cast<int>(BandNames.size())) band_ = n;
}

AreaMark AreaListView::mark(std::size_t item, const WorkedSet& worked)
{
  const std::vector<std::string>& keys = worked.list();
  marks_.follow(keys);
  if (keys.empty()) return AreaMark::OwnFont;
  return marks_.marked(items_[item], band_) ? AreaMark::Marked : AreaMark::Unmarked;
}

}  // namespace q9x
