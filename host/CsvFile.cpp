#include "host/CsvFile.h"

#include "host/LogFile.h"

namespace q9xhost {

const QStringList& logColumnNames()
{
  static const QStringList names = {"QSODate",   "QSOTime",          "Frequency",  "CallSign",
                                    "DigiBand",  "QSOMode",          "Continent",  "QSOReportRecived",
                                    "MainPrefix", "DXCCPrefix"};
  return names;
}

std::optional<QStringList> splitCsvLine(const QString& line, QChar separator)
{
  QStringList fields;
  QString field;
  bool quoted = false;      // inside a quoted field
  bool afterQuote = false;  // a quoted field ended; only a separator may follow
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        field += c;
        ++i;
      } else {
        quoted = false;
        afterQuote = true;
      }
    } else if (c == separator) {
      fields << field;
      field.clear();
      afterQuote = false;
    } else if (afterQuote) {
      return std::nullopt;
    } else if (c == '"' && field.isEmpty()) {
      quoted = true;
    } else if (c == '"') {
      return std::nullopt;  // a quote in the middle of an unquoted field
    } else {
      field += c;
    }
  }
  if (quoted) return std::nullopt;
  fields << field;
  return fields;
}

std::vector<ImportedContact> readCsv(const QString& path, const QString& text)
{
  QString normalised = text;
  normalised.replace("\r\n", "\n");
  QStringList lines = normalised.split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();

  const QString& headerLine = lines.first();
  const QChar separator = headerLine.contains(';') && !headerLine.contains(',') ? ';' : ',';
  const std::optional<QStringList> header = splitCsvLine(headerLine, separator);
  if (!header) throw importErrorAt(path, 1, {}, "broken quoting");
  QStringList columns;
  for (const QString& name : *header) {
    QString column;
    for (const QString& candidate : logColumnNames())
      if (candidate.compare(name.trimmed(), Qt::CaseInsensitive) == 0) column = candidate;
    if (column.isEmpty())
      throw importErrorAt(path, 1, {}, "the log table has no column \"" + name + "\" (its columns: " +
                                           logColumnNames().join(", ") + ")");
    if (columns.contains(column)) throw importErrorAt(path, 1, {}, "the column \"" + name + "\" appears twice");
    columns << column;
  }

  std::vector<ImportedContact> contacts;
  for (int i = 1; i < lines.size(); ++i) {
    const int lineNumber = i + 1;
    if (lines[i].trimmed().isEmpty()) continue;
    const std::optional<QStringList> fields = splitCsvLine(lines[i], separator);
    if (!fields) throw importErrorAt(path, lineNumber, {}, "broken quoting");
    if (fields->size() != columns.size())
      throw importErrorAt(path, lineNumber, {},
                          QString("%1 fields where the header names %2").arg(fields->size()).arg(columns.size()));
    ImportedContact contact;
    contact.lineNumber = lineNumber;
    for (int k = 0; k < columns.size(); ++k) contact.values.append({columns[k], fields->at(k)});
    contacts.push_back(std::move(contact));
  }
  return contacts;
}

}  // namespace q9xhost
