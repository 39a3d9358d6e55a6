#pragma once
// The one statement a log recalculation runs. The host decides only the
// table it reads, so its table name must be a table name and nothing more:
// a name with a statement, a condition or a comment after it would make the
// plug-in run something else than the one select.

#include <string>
#include <string_view>

namespace q9x {

// A plain, quoted ("…", […], `…`) or dotted (schema.table) name, with spaces
// around its parts; nothing else.
bool isTableName(std::string_view name);

// "Select * from <table> order by CallSign", the table name as the host gave
// it; the rows come in callsign order. Throws std::runtime_error, before
// anything is run, for a table name that is not just a table name.
std::string logStatement(std::string_view table);

}  // namespace q9x
