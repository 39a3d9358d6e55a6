#pragma once
// Hashes std::string keys and std::string_view probes alike, so the engine's
// hashed indexes are searched with views of host texts without copying them;
// keyed, as these texts come from the host's log.

#include <cstddef>
#include <string_view>

#include "engine/KeyedHash.h"

namespace q9x {

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return static_cast<std::size_t>(keyedHash(s)); }
};

}  // namespace q9x
