#include "host/LogFile.h"

#include <QFile>
#include <QRegularExpression>

#include "host/Bands.h"
#include "host/CsvFile.h"
#include "host/PrefixTable.h"

namespace q9xhost {

ImportError importErrorAt(const QString& path, int line, const QString& field, const QString& what)
{
  const QString where = field.isEmpty() ? QString("%1, line %2").arg(path).arg(line)
                                        : QString("%1, line %2, field %3").arg(path).arg(line).arg(field);
  return ImportError((where + ": " + what).toStdString());
}

QString ImportedContact::value(const QString& column) const
{
  for (const auto& [name, text] : values)
    if (name.compare(column, Qt::CaseInsensitive) == 0) return text;
  return {};
}

bool ImportedContact::has(const QString& column) const
{
  for (const auto& entry : values)
    if (entry.first.compare(column, Qt::CaseInsensitive) == 0) return true;
  return false;
}

void ImportedContact::set(const QString& column, const QString& value)
{
  for (auto& entry : values) {
    if (entry.first.compare(column, Qt::CaseInsensitive) == 0) {
      entry.second = value;
      return;
    }
  }
  values.append({column, value});
}

namespace {
enum class Format { Csv, Adif, Cabrillo, Unknown };

QString firstLine(const QString& text)
{
  static const QRegularExpression nonBlank(QStringLiteral("[^\\s]"));
  const qsizetype start = text.indexOf(nonBlank);
  if (start < 0) return {};
  const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")), start);
  return text.mid(start, end < 0 ? -1 : end - start);
}

Format formatOf(const QString& text)
{
  const QString first = firstLine(text);
  if (first.startsWith(QLatin1String("START-OF-LOG:"), Qt::CaseInsensitive)) return Format::Cabrillo;
  if (first.startsWith('<') || text.contains(QLatin1String("<EOH>"), Qt::CaseInsensitive))
    return Format::Adif;
  // A CSV file names at least one of the log's columns in its header.
  for (const QString& name : first.split(QRegularExpression(QStringLiteral("[,;]"))))
    if (logColumnNames().contains(name.trimmed().remove('"'), Qt::CaseInsensitive)) return Format::Csv;
  return Format::Unknown;
}

// What every format must give, and the prefixes where the file has none.
void complete(ImportedContact& contact, const QString& path, const PrefixTable& prefixes)
{
  const int line = contact.lineNumber;
  if (contact.value("CallSign").trimmed().isEmpty())
    throw importErrorAt(path, line, "CallSign", "the callsign is empty");
  if (contact.value("QSOMode").trimmed().isEmpty())
    throw importErrorAt(path, line, "QSOMode", "the mode is empty");
  if (contact.has("DigiBand")) {
    const QString given = contact.value("DigiBand");
    const std::optional<QString> band = bandFromName(given);
    if (!band)
      throw importErrorAt(path, line, "DigiBand",
                          "\"" + given + "\" is not one of the nine contest bands (1.8 … 28 MHz, 160m … 10m)");
    contact.set("DigiBand", *band);
  } else {
    const QString khz = contact.value("Frequency");
    const std::optional<QString> band = bandFromKHz(khz);
    if (khz.trimmed().isEmpty())
      throw importErrorAt(path, line, "DigiBand", "neither a band nor a frequency is given");
    if (!band)
      throw importErrorAt(path, line, "Frequency",
                          khz.trimmed() + " kHz lies outside the nine contest bands");
    contact.set("DigiBand", *band);
  }
  if (contact.value("MainPrefix").isEmpty() && contact.value("DXCCPrefix").isEmpty()) {
    if (const std::optional<StationPrefixes> found = prefixes.lookup(contact.value("CallSign"))) {
      contact.set("MainPrefix", found->mainPrefix);
      contact.set("DXCCPrefix", found->dxccPrefix);
    }
  }
}
}  // namespace

std::vector<ImportedContact> readLogFile(const QString& path, const PrefixTable& prefixes)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw ImportError(("Cannot read " + path + ": " + file.errorString()).toStdString());
  QString text = QString::fromUtf8(file.readAll());
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

  if (text.trimmed().isEmpty()) throw importErrorAt(path, 1, {}, "the file is empty");
  std::vector<ImportedContact> contacts;
  switch (formatOf(text)) {
    case Format::Csv: contacts = readCsv(path, text); break;
    case Format::Adif: contacts = readAdif(path, text); break;
    case Format::Cabrillo: contacts = readCabrillo(path, text); break;
    case Format::Unknown:
      throw ImportError((path + ": not a CSV, ADIF or Cabrillo file").toStdString());
  }
  for (ImportedContact& contact : contacts) complete(contact, path, prefixes);
  return contacts;
}

}  // namespace q9xhost
