#pragma once
// The host's log as a recalculation reads it: one statement on the host's
// connection, opened, then read row by row. Every way of reading a log (Qt
// SQL, a database's own client library, ADO) has this one contract, so the
// scoring session does not know which one it holds.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/LogScan.h"

namespace q9x {

class LogReader : public LogSource {
 public:
  // Prepares the log statement for the table on the host's connection and
  // checks what can be checked without running it: a table name that is not
  // one, a connection that does not exist or is not open. Throws
  // std::runtime_error with the database's text (or a clear one of its own);
  // nothing of the host's connection is held afterwards.
  virtual void open(const std::string& tableName) = 0;

  // Pending events ran since open(): the host may have closed, removed,
  // reopened, written to or queried its connection meanwhile. Runs the
  // statement on the connection as it is now, so next() reads the log's own
  // rows, or throws with a clear text. next() does this itself when no events
  // ran. The columns are found when the first row is read: next() throws
  // "LogQuery: Field 'NAME' not found" for a missing one, after reading the
  // fields before it.
  virtual void resumeAfterEvents() = 0;

  // Lets go of everything held of the host's connection. Safe when not open.
  virtual void close() = 0;
};

// Makes the reader for the host's connection number.
using LogReaderFactory = std::function<std::unique_ptr<LogReader>(std::int32_t connection)>;

}  // namespace q9x
