#pragma once
// The area window's row of band buttons: their order along the row and how
// the row's width is shared among them.

#include <array>
#include <vector>

namespace q9x {

// Band numbers in the buttons' order: 1.8, 3.5, 7, 14 ... 28, then 10 at the
// right end.
inline constexpr std::array<int, 9> kBandButtonOrder = {1, 2, 3, 5, 6, 7, 8, 9, 4};

struct ButtonPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ButtonPlace&) const = default;
};

// The places of count buttons along a row of the given size, in their order:
// equal shares of the width, one pixel less than the row high; the last
// button then takes what the division leaves over, less 4 pixels at the
// right edge. None when the row has no width or there are no buttons.
std::vector<ButtonPlace> buttonRowPlaces(int rowWidth, int rowHeight, int count);

}  // namespace q9x
