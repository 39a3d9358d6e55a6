#pragma once
// What the benchmark measures at one log size.

#include <cstddef>

namespace q9x::bench {

struct Figures {
  std::size_t size = 0;  // contacts in the log and in the register

  // Whole-log scans, seconds: the plug-in's Recalc and the bare scans.
  double recalc = 0;
  double qtScan = 0;
  double sqliteScan = 0;
  // The plug-in's log reading linked in, counting into an engine.
  double qtPathCount = 0;
  double nativePathCount = 0;

  // Memory after the Recalc compared with before it, bytes.
  std::size_t heapHeld = 0;
  std::size_t peakResident = 0;

  // Per call, nanoseconds.
  double getScoreNew = 0;
  double getScoreRepeated = 0;
  double addQso = 0;
  double addQsoRepaint = 0;
  double grabNumber = 0;
};

}  // namespace q9x::bench
