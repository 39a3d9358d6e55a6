#pragma once
// Where a window's frame goes so that the user can reach it on the screens
// there are now, whatever screens it was stored on.

#include <cstdint>
#include <vector>

#include "ui/settings/WindowPlacement.h"

namespace q9x {

// A frame's edges: four numbers from anywhere in int's range, so that their
// differences need more than an int.
struct FrameEdges {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
};

// Where a frame goes among the screens' available areas: a frame larger than
// the area of the screen it is on (or nearest to) is cut to that area, and
// one that would lie entirely outside every area is moved into the nearest
// one; one partly visible stays where it is. Edges must be ordered
// (right > left, bottom > top). Without any area the frame stays, its size
// cut to what a window can have.
PlacementRect reachableFrame(const FrameEdges& edges, const std::vector<PlacementRect>& availableAreas);

}  // namespace q9x
