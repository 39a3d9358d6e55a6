#pragma once
// The nine bands of the contest, numbered 1 to 9 as the area window's buttons.

#include <array>
#include <string_view>

namespace q9x {

inline constexpr std::array<std::string_view, 9> BandNames = {"1.8", "3.5", "7",  "10", "14",
                                                              "18",  "21",  "24", "28"};

// The bands where contacts score points, in the order the statistics window
// lists them.
inline constexpr std::array<std::string_view, 2> PointsBands = {"3.5", "7"};

// The number (1 to 9) of a band text, compared exactly, or 0 for none.
inline int bandNumber(std::string_view band)
{
  for (std::size_t i = 0; i < BandNames.size(); ++i)
    if (BandNames[i] == band) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace q9x
