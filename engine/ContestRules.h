#pragma once
// The contest's rule book as pure functions of the contact's fields.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/BandStats.h"

namespace q9x {

// Only 3.5 and 7 MHz contacts earn points (tested the host's way, so the
// band text must match exactly).
bool isPointsBand(std::string_view band);

// 1 point when both stations are on the same side of the UA3A area, 5 when
// they are on different sides, 0 on a band without points.
std::int32_t contactPoints(std::string_view band, std::string_view myMainPrefix,
                           std::string_view mainPrefix);

struct MultiplierCode {
  MultiplierKind kind;
  // The code's bytes in the report, in their letters as sent (the code is
  // the upper-cased text); empty when the report ends in no code.
  std::string_view code;
};

// The multiplier a received report carries: UA3A stations send a two-letter
// area code, every other station a four-character RDA code, at the very end
// of the report (read upper-cased and trimmed).
MultiplierCode multiplierCode(std::string_view report, std::string_view mainPrefix);

}  // namespace q9x
