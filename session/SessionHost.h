#pragma once
// What a scoring session needs of the host's current call, in ordinary types,
// and where it hands back the rows a log scan read. The plug-in's boundary
// implements it over the host's record; nothing else knows that record.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/LogScan.h"

namespace q9x {

// Texts are the host's 8-bit code-page bytes, never decoded here.
struct SessionContext {
  std::int32_t connection = 0;  // the host's log connection
  std::string tableName;        // the log table
  std::string caption;          // the host's caption for the statistics window
  std::string myMainPrefix;     // the operator's own main prefix
  std::string band;             // the band of the host's current contact
};

class SessionHost {
 public:
  virtual ~SessionHost() = default;

  // The host's call as it stands now; read when the session opens and again
  // at every recalculation, as the host may have called in between.
  virtual SessionContext context() const = 0;

  // The row fields the host's current call holds. A scan starts from them, so
  // that a row failing part way keeps the fields it had not reached yet. A
  // host without a record of its own starts from empty fields.
  virtual LogRow currentRow() const { return {}; }

  // A scan read the whole log: lastRow is the last row read, or null when the
  // log had none; band is the host's band when the recalculation began.
  virtual void scanEnded(const LogRow* /*lastRow*/, std::string_view /*band*/) {}

  // A scan failed while reading row; the rows before it were counted.
  virtual void scanFailed(const LogRow& /*row*/) {}
};

}  // namespace q9x
