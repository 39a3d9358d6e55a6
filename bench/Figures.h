#pragma once
// What the benchmark measures at one log size.

#include <cstddef>

namespace q9x::bench {

struct Figures {
  std::size_t size = 0;  // contacts in the log and in the register

  // Whole-log scans, seconds: the plug-in's Recalc and the bare scans.
  double recalc = 0;
  // The Recalc by the clock on the wall, from the button's click to the
  // repainted figures: what the user waits, processor or not.
  double recalcWall = 0;
  double qtScan = 0;
  double clientScan = 0;  // through the database's own C client library
  double clientScanWall = 0;
  // The plug-in's log reading linked in, counting into an engine.
  double qtPathCount = 0;
  double nativePathCount = 0;

  // Memory after the Recalc compared with before it, bytes.
  std::size_t heapHeld = 0;
  std::size_t peakResident = 0;
  // Peak resident growth during one scan of each other kind, bytes.
  std::size_t peakQtScan = 0;
  std::size_t peakClientScan = 0;
  std::size_t peakQtPathCount = 0;
  std::size_t peakNativePathCount = 0;

  // Per call, nanoseconds.
  double getScoreNew = 0;
  double getScoreRepeated = 0;
  double addQso = 0;
  double addQsoRepaint = 0;
  double grabNumber = 0;
};

}  // namespace q9x::bench
