#pragma once
// The plug-in's own log reading, linked in: the log query on the default
// connection, through Qt SQL only or through the connection's native handle
// where it may, with every row counted into an engine. Side by side they show
// what the native reading saves, without the window's share of a Recalc.

#include <cstddef>
#include <string>

namespace q9x::bench {

// Counts the table's rows into a fresh engine; returns the rows read.
std::size_t countThroughQtSql(const std::string& table);
std::size_t countThroughNativeHandle(const std::string& table);

}  // namespace q9x::bench
