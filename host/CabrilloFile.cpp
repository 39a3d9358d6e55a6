// Cabrillo 3.0: header lines "TAG: value", then one "QSO:" line per contact:
//   QSO: freq mo date time call-sent exch-sent… call-rcvd exch-rcvd… [t]
// The contest sends as many exchange fields as it receives, which is how the
// received callsign is found; "-" stands for an empty field.

#include <QRegularExpression>

#include "host/Bands.h"
#include "host/LogFile.h"

namespace q9xhost {

namespace {
QString modeFromCabrillo(const QString& mo)
{
  return mo.compare(QLatin1String("RY"), Qt::CaseInsensitive) == 0 ? QStringLiteral("RTTY") : mo.toUpper();
}

ImportedContact contactOf(const QString& path, int line, const QStringList& fields)
{
  // fields[0] is "QSO:".
  if (fields.size() < 7)
    throw importErrorAt(path, line, "QSO", "too few fields: freq mo date time call-sent call-rcvd expected");
  ImportedContact contact;
  contact.lineNumber = line;
  const QString& freq = fields[1];
  const std::optional<QString> band = bandFromKHz(freq);
  if (!band) throw importErrorAt(path, line, "freq", freq + " kHz lies outside the nine contest bands");
  static const QRegularExpression dateShape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
  static const QRegularExpression timeShape(QStringLiteral("^\\d{4}$"));
  if (!dateShape.match(fields[3]).hasMatch())
    throw importErrorAt(path, line, "date", "\"" + fields[3] + "\" is not yyyy-mm-dd");
  if (!timeShape.match(fields[4]).hasMatch())
    throw importErrorAt(path, line, "time", "\"" + fields[4] + "\" is not hhmm");

  // After the time: call-sent, n sent fields, call-rcvd, n received fields,
  // and a transmitter number when the count is odd.
  const qsizetype rest = fields.size() - 5;
  const qsizetype perSide = (rest - 2 - rest % 2) / 2;
  const qsizetype received = 5 + 1 + perSide;
  QStringList exchange;
  for (qsizetype i = received + 1; i <= received + perSide; ++i)
    if (fields[i] != QLatin1String("-")) exchange << fields[i];

  contact.set("QSODate", fields[3]);
  contact.set("QSOTime", fields[4].left(2) + ':' + fields[4].mid(2));
  contact.set("Frequency", freq);
  contact.set("CallSign", fields[received]);
  contact.set("DigiBand", *band);
  contact.set("QSOMode", modeFromCabrillo(fields[2]));
  contact.set("QSOReportRecived", exchange.join(' '));
  return contact;
}
}  // namespace

std::vector<ImportedContact> readCabrillo(const QString& path, const QString& text)
{
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  const QStringList lines = text.split(lineEnd);
  std::vector<ImportedContact> contacts;
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.startsWith(QLatin1String("END-OF-LOG:"), Qt::CaseInsensitive)) break;
    if (!line.startsWith(QLatin1String("QSO:"), Qt::CaseInsensitive)) continue;
    QStringList fields = line.split(blanks, Qt::SkipEmptyParts);
    if (fields[0].size() > 4) fields.insert(1, fields[0].mid(4));  // "QSO:3580" without a blank
    contacts.push_back(contactOf(path, i + 1, fields));
  }
  return contacts;
}

}  // namespace q9xhost
