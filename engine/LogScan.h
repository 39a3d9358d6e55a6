#pragma once
// The row-by-row part of a log recalculation: every row of the host's log is
// counted as a contact, repeats refused, exactly as if the host had added it.

#include <string>
#include <string_view>

#include "engine/ContestEngine.h"
#include "engine/LogRow.h"

namespace q9x {

// A forward-only stream of log rows. next() overwrites the row's texts with
// the next row and returns false at the end; database errors are thrown.
class LogSource {
 public:
  virtual ~LogSource() = default;
  virtual bool next(LogRow& row) = 0;
};

// Counts every row of the source into the engine. The row is reused for each
// read and afterwards holds the last row read (or the one being read when an
// error was thrown); texts are cut to 255 bytes and the continent upper-cased,
// as the host record would hold them. Returns the number of rows read.
std::size_t countLog(ContestEngine& engine, LogSource& source, LogRow& row,
                     std::string_view myMainPrefix);

}  // namespace q9x
