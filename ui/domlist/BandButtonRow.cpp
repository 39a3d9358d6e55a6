#include "ui/domlist/BandButtonRow.h"

#include <algorithm>

namespace q9x {

std::vector<ButtonPlace> buttonRowPlaces(int rowWidth, int rowHeight, int count)
{
  std::vector<ButtonPlace> places;
  if (rowWidth <= 0 || count <= 0) return places;
  const int w = rowWidth / count;
  const int h = rowHeight - 1;
  for (int k = 0; k < count; ++k) places.push_back({k * w, 0, w, h});
  // A row narrower than the gap would leave the last button a negative
  // width; it shrinks to nothing instead.
  places.back().width = std::max(0, rowWidth - count * w + w - 4);
  return places;
}

}  // namespace q9x
