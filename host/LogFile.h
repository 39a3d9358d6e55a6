#pragma once
// Contacts read from a log file of another program: CSV, ADIF or Cabrillo,
// recognised by their content. A file is read whole before anything is
// written, so a fault anywhere in it leaves the log as it was.

#include <QList>
#include <QPair>
#include <QString>
#include <stdexcept>
#include <vector>

namespace q9xhost {

class PrefixTable;

struct ImportError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// "<file>, line <n>: <what>", or "<file>, line <n>, field <field>: <what>".
ImportError importErrorAt(const QString& path, int line, const QString& field, const QString& what);

// One contact in the log table's terms.
struct ImportedContact {
  int lineNumber = 0;
  // Log table column and value, in the order the file gave them.
  QList<QPair<QString, QString>> values;

  // The value of a column (names compared ignoring letter case); empty when absent.
  QString value(const QString& column) const;
  bool has(const QString& column) const;
  // Replaces the value of a column, or adds the column.
  void set(const QString& column, const QString& value);
};

// Reads the file and recognises its format. Every contact comes out with a
// callsign, a mode and one of the nine band texts; main and DXCC prefix are
// taken from the prefix table where the file gives neither. Throws
// ImportError naming the line and the field of the first fault.
std::vector<ImportedContact> readLogFile(const QString& path, const PrefixTable& prefixes);

// The readers of the three formats, over the file's text (byte order mark
// removed, line ends as they were).
std::vector<ImportedContact> readCsv(const QString& path, const QString& text);
std::vector<ImportedContact> readAdif(const QString& path, const QString& text);
std::vector<ImportedContact> readCabrillo(const QString& path, const QString& text);

}  // namespace q9xhost
