#include "ui/settings/ReachableFrame.h"

#include <algorithm>
#include <climits>

namespace q9x {

namespace {

// The largest width or height a window can be given (Qt's limit, and far
// beyond any screen).
constexpr std::int64_t kLargestWindow = (1 << 24) - 1;

// How far two spans [a0, a1) and [b0, b1) overlap, and how far apart they are.
std::int64_t overlap(std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1)
{
  return std::max<std::int64_t>(0, std::min(a1, b1) - std::max(a0, b0));
}
std::int64_t gap(std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1)
{
  return a1 <= b0 ? b0 - a1 : (b1 <= a0 ? a0 - b1 : 0);
}

struct Fit {
  std::int64_t shared;    // the part of the frame within the area
  std::int64_t distance;  // how far the frame lies outside it
};

Fit fitOf(const FrameEdges& e, const PlacementRect& area)
{
  return {overlap(e.left, e.right, area.left, area.right) * overlap(e.top, e.bottom, area.top, area.bottom),
          gap(e.left, e.right, area.left, area.right) + gap(e.top, e.bottom, area.top, area.bottom)};
}

// The area the frame lies most within, or else the nearest one.
const PlacementRect& bestArea(const FrameEdges& e, const std::vector<PlacementRect>& areas)
{
  const PlacementRect* best = &areas.front();
  Fit bestFit = fitOf(e, *best);
  for (const PlacementRect& area : areas) {
    const Fit fit = fitOf(e, area);
    if (fit.shared > bestFit.shared || (fit.shared == bestFit.shared && fit.distance < bestFit.distance)) {
      best = &area;
      bestFit = fit;
    }
  }
  return *best;
}

bool visibleInAny(const FrameEdges& e, const std::vector<PlacementRect>& areas)
{
  return std::any_of(areas.begin(), areas.end(), [&e](const PlacementRect& area) { return fitOf(e, area).shared > 0; });
}

// Half of int's range, so that a window's edges and size all stay within it.
int toInt(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN / 2, INT_MAX / 2)); }

PlacementRect rectOf(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height)
{
  const int l = toInt(left), t = toInt(top);
  return {l, t, l + toInt(width), t + toInt(height)};
}

}  // namespace

PlacementRect reachableFrame(const FrameEdges& edges, const std::vector<PlacementRect>& availableAreas)
{
  std::int64_t width = edges.right - edges.left;
  std::int64_t height = edges.bottom - edges.top;
  if (availableAreas.empty())
    return rectOf(edges.left, edges.top, std::min(width, kLargestWindow), std::min(height, kLargestWindow));

  const PlacementRect& home = bestArea(edges, availableAreas);
  width = std::min<std::int64_t>(width, std::int64_t(home.right) - home.left);
  height = std::min<std::int64_t>(height, std::int64_t(home.bottom) - home.top);
  std::int64_t left = edges.left;
  std::int64_t top = edges.top;
  if (!visibleInAny({left, top, left + width, top + height}, availableAreas)) {
    const PlacementRect& nearest = bestArea({left, top, left + width, top + height}, availableAreas);
    left = std::clamp<std::int64_t>(left, nearest.left, std::int64_t(nearest.right) - width);
    top = std::clamp<std::int64_t>(top, nearest.top, std::int64_t(nearest.bottom) - height);
  }
  return rectOf(left, top, width, height);
}

}  // namespace q9x
