#pragma once
// Hashes std::string keys and std::string_view probes alike, so the engine's
// hashed indexes are searched with views of host texts without copying them.

#include <cstddef>
#include <functional>
#include <string_view>

namespace q9x {

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

}  // namespace q9x
