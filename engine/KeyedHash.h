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

// For keys that are one 64-bit number: the number, mixed with the same
// secret, through a mix in which every input bit moves every output bit.
// Several times cheaper than hashing the number's bytes; without the secret
// the places of the keys are as unknown as the texts' are.
std::uint64_t keyedHash(std::uint64_t word);

}  // namespace q9x
