#pragma once
// The host's log read over ADO, the database layer of the Windows logger:
// the record's Connection field holds the host's own ADO connection object
// (its _Connection interface), on which the log statement is executed.

#include <cstdint>
#include <memory>

#include "engine/LogReader.h"

namespace q9x {

// The reader for the host's connection; 0 is no connection, and open() says
// so. The plug-in borrows the connection: it takes no reference of its own,
// and holds a recordset only from the statement's run (after the pending
// events) until the last row, an error or close().
std::unique_ptr<LogReader> makeAdoLogReader(std::int32_t connection);

}  // namespace q9x
