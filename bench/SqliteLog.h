#pragma once
// The benchmark's log database: an SQLite file holding one log table per
// size, laid out like a contest logger's table (more columns than the scan
// reads, an index on CallSign) or in another shape a user has, written
// through the SQLite C API.

#include <cstddef>
#include <string>
#include <vector>

#include "bench/LogTableLayout.h"

namespace q9x::bench {

// The table holding the first `rows` contacts.
std::string logTableName(std::size_t rows);

// Creates the file with an empty table "log_0" and one table per size, each
// holding the first that many contacts in the order they were logged, in the
// shape given. Throws std::runtime_error with SQLite's text on failure.
void writeLogDatabase(const std::string& path, const std::vector<GeneratedContact>& contacts,
                      const std::vector<std::size_t>& sizes, const LogTableShape& shape);

}  // namespace q9x::bench
