#pragma once
// What reading the log costs without the plug-in: the log statement run
// forward-only, the seven scanned columns read as text and thrown away. These
// are the floors the plug-in's recalculation is compared with.

#include <cstddef>
#include <string>

namespace q9x::bench {

// Through Qt SQL on the default connection, each value read with
// QVariant::toString. Returns the number of rows; throws on database errors.
std::size_t scanWithQtSql(const std::string& table);

// Through the SQLite C API on its own connection to the file, each value read
// with sqlite3_column_text.
std::size_t scanWithSqlite(const std::string& databasePath, const std::string& table);

}  // namespace q9x::bench
