#pragma once
// Adds contacts from a CSV file to the log: a header line with the log
// table's column names, then one contact per line.

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace q9xhost {

class LogDatabase;

struct ImportError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Splits one CSV line into its fields: commas separate, a field may be quoted
// with " and a quote inside it doubled. Returns nothing for a line whose
// quoting is broken.
std::optional<QStringList> splitCsvLine(const QString& line);

// Reads the whole file first and writes it in one transaction: a malformed
// line (broken quoting, wrong number of fields) or an unknown column throws
// ImportError naming the file and line, and the log is left as it was.
// Returns the number of contacts added.
int importCsv(LogDatabase& log, const QString& path);

}  // namespace q9xhost
