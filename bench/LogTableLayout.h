#pragma once
// The benchmark's log table, laid out like a contest logger's: an ID, the
// logger's own columns and the seven the plug-in reads, in the logger's
// order. The seven are found by name in the log row's schema, so the table,
// its rows and the plug-in's reading cannot disagree on them.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "bench/ContactGenerator.h"

namespace q9x::bench {

// The columns after the ID, in the table's order.
const std::vector<std::string>& logTableColumns();

// "CREATE TABLE name (ID idType PRIMARY KEY, ... text)".
std::string createLogTableStatement(const std::string& name, const std::string& idType);

// The values of the contact logged as the serial-th, in logTableColumns()
// order; no value is a NULL.
std::vector<std::optional<std::string>> logTableValues(const GeneratedContact& contact,
                                                       std::size_t serial);

}  // namespace q9x::bench
