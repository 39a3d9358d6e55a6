#pragma once
// The process's memory as the benchmark reports it per contact held.

#include <cstddef>

namespace q9x::bench {

// Bytes the heap has handed out and not taken back (small and mapped blocks).
std::size_t heapInUse();

// Resident set now and its peak since the last resetPeakResident(), in bytes.
std::size_t residentNow();
std::size_t residentPeak();

// Gives freed heap back to the system and starts a new peak, so that the next
// peak reflects only what follows.
void resetPeakResident();

}  // namespace q9x::bench
