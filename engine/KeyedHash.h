#pragma once
// The hash of the engine's hashed indexes. Host texts (callsigns, bands,
// modes) come from logs that anyone may write, and a fixed, well-known hash
// lets a log be made whose texts all land in the same places, which turns
// every search into a walk through the whole index. The hash is keyed with a
// secret drawn when the process starts (SipHash-1-3), so no such log can be
// prepared in advance.

#include <cstdint>
#include <string_view>

namespace q9x {

std::uint64_t keyedHash(std::string_view bytes);

}  // namespace q9x
