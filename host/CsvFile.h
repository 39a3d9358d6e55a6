#pragma once
// CSV as q9x-host reads it: a header line with the log table's column names,
// then one contact per line; fields separated by commas, or by semicolons
// when the header has semicolons and no commas.

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

namespace q9xhost {

// The columns a CSV header may name: the log table's own.
const QStringList& logColumnNames();

// Splits one line into its fields: a field may be quoted with " and a quote
// inside it doubled. Returns nothing for a line whose quoting is broken.
std::optional<QStringList> splitCsvLine(const QString& line, QChar separator = ',');

}  // namespace q9xhost
