#pragma once
// The benchmark's log table, laid out like a contest logger's: an ID, the
// logger's own columns and the seven the plug-in reads, in the logger's
// order; or, the other shape a user may have, the ID and just the seven. The
// seven are found by name in the log row's schema, so the table, its rows and
// the plug-in's reading cannot disagree on them.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "bench/ContactGenerator.h"

namespace q9x::bench {

struct LogTableShape {
  bool readColumnsOnly = false;  // the ID and the seven read columns, nothing of the logger's own
  bool indexCallSign = true;     // without it the database sorts the rows for every scan
};

// The columns after the ID, in the table's order.
std::vector<std::string> logTableColumns(const LogTableShape& shape);

// "CREATE TABLE name (ID idType PRIMARY KEY, ... text)".
std::string createLogTableStatement(const std::string& name, const std::string& idType,
                                    const LogTableShape& shape);

// The values of the contact logged as the serial-th, in logTableColumns()
// order; only the logger's Operator column is a NULL.
std::vector<std::optional<std::string>> logTableValues(const GeneratedContact& contact,
                                                       std::size_t serial, const LogTableShape& shape);

}  // namespace q9x::bench
