#include "host/CsvImport.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <vector>

#include "host/LogDatabase.h"

namespace q9xhost {

std::optional<QStringList> splitCsvLine(const QString& line)
{
  QStringList fields;
  QString field;
  bool quoted = false;      // inside a quoted field
  bool afterQuote = false;  // a quoted field ended; only a comma may follow
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
    } else if (c == ',') {
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

namespace {
ImportError errorAt(const QString& path, int lineNumber, const QString& what)
{
  return ImportError(QString("%1, line %2: %3").arg(path).arg(lineNumber).arg(what).toStdString());
}

struct CsvRow {
  int lineNumber;
  QStringList fields;
};

QStringList readLines(const QString& path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw ImportError(("Cannot read " + path + ": " + file.errorString()).toStdString());
  QString text = QString::fromUtf8(file.readAll());
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  text.replace("\r\n", "\n");
  QStringList lines = text.split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

// The table column for every header name, in header order.
QStringList tableColumns(const LogDatabase& log, const QString& path, const QStringList& header)
{
  QStringList columns;
  for (const QString& name : header) {
    QString column = log.column(name.trimmed());
    if (column.isEmpty())
      throw errorAt(path, 1, QString("the log table %1 has no column \"%2\"").arg(log.table(), name));
    if (columns.contains(column)) throw errorAt(path, 1, "the column \"" + name + "\" appears twice");
    columns << column;
  }
  return columns;
}
}  // namespace

int importCsv(LogDatabase& log, const QString& path)
{
  const QStringList lines = readLines(path);
  if (lines.isEmpty()) throw errorAt(path, 1, "the header line with the column names is missing");
  std::optional<QStringList> header = splitCsvLine(lines.first());
  if (!header) throw errorAt(path, 1, "broken quoting");
  const QStringList columns = tableColumns(log, path, *header);

  std::vector<CsvRow> rows;
  for (int i = 1; i < lines.size(); ++i) {
    const int lineNumber = i + 1;
    if (lines[i].trimmed().isEmpty()) continue;
    std::optional<QStringList> fields = splitCsvLine(lines[i]);
    if (!fields) throw errorAt(path, lineNumber, "broken quoting");
    if (fields->size() != columns.size())
      throw errorAt(path, lineNumber, QString("%1 fields where the header names %2")
                                          .arg(fields->size())
                                          .arg(columns.size()));
    rows.push_back({lineNumber, *fields});
  }

  QSqlDatabase db = log.database();
  if (!db.transaction())
    throw ImportError(("Cannot start a transaction on the log: " + db.lastError().text()).toStdString());
  try {
    QSqlQuery insert = log.prepareInsert(columns);
    for (const CsvRow& row : rows) {
      for (int i = 0; i < row.fields.size(); ++i) insert.bindValue(i, row.fields[i]);
      if (!insert.exec()) throw errorAt(path, row.lineNumber, insert.lastError().text().trimmed());
    }
    if (!db.commit()) throw ImportError(("Cannot commit the import: " + db.lastError().text()).toStdString());
  } catch (...) {
    db.rollback();
    throw;
  }
  return static_cast<int>(rows.size());
}

}  // namespace q9xhost
