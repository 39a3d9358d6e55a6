#include "host/CabrilloExport.h"

#include <QRegularExpression>
#include <QSaveFile>

#include "host/Bands.h"

namespace q9xhost {

namespace {
QString cabrilloMode(const QString& mode)
{
  const QString m = mode.trimmed().toUpper();
  if (m == QLatin1String("RTTY") || m == QLatin1String("RY")) return QStringLiteral("RY");
  if (m == QLatin1String("CW")) return QStringLiteral("CW");
  if (m == QLatin1String("FM")) return QStringLiteral("FM");
  if (m == QLatin1String("SSB") || m == QLatin1String("USB") || m == QLatin1String("LSB") ||
      m == QLatin1String("AM") || m == QLatin1String("PH"))
    return QStringLiteral("PH");
  return QStringLiteral("DG");
}

QString orDash(const QString& text) { return text.isEmpty() ? QStringLiteral("-") : text; }
}  // namespace

QString scoreOfScoreLine(const QString& scoreLine)
{
  static const QRegularExpression score(QStringLiteral("=\\s*(-?\\d+)\\s*$"));
  const QRegularExpressionMatch match = score.match(scoreLine);
  if (!match.hasMatch())
    throw ExportError(("The plug-in's score line \"" + scoreLine + "\" holds no score").toStdString());
  return match.captured(1);
}

QString cabrilloQsoLine(const CabrilloHeader& header, const LoggedContact& contact)
{
  const ContactFields& f = contact.fields;
  bool numeric = false;
  const double khz = contact.frequency.trimmed().toDouble(&numeric);
  const QString freq = numeric && khz > 0 ? QString::number(qRound(khz))
                                          : QString::number(bandEdgeKHz(f.digiBand.trimmed()));
  QString time = contact.time;
  time.remove(':');
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  const QStringList words = f.reportReceived.trimmed().split(blanks, Qt::SkipEmptyParts);
  const QString rst = words.size() > 1 ? words.first() : QString();
  const QString exchange = (words.size() > 1 ? words.mid(1) : words).join('_');
  const QStringList fields = {"QSO:", freq, cabrilloMode(f.qsoMode), orDash(contact.date),
                              orDash(time.left(4)), header.callSign, header.sentExchange,
                              f.callSign.trimmed(), orDash(rst), orDash(exchange)};
  return fields.join(' ');
}

void writeCabrillo(const QString& path, const CabrilloHeader& header,
                   const std::vector<LoggedContact>& log)
{
  QString text;
  text += "START-OF-LOG: 3.0\n";
  text += "CREATED-BY: q9x-host\n";
  text += "CONTEST: Q9X-CUP-DIGI\n";
  text += "CALLSIGN: " + header.callSign + "\n";
  text += "CATEGORY-OPERATOR: SINGLE-OP\n";
  text += "CATEGORY-ASSISTED: NON-ASSISTED\n";
  text += "CATEGORY-BAND: ALL\n";
  text += "CATEGORY-MODE: DIGI\n";
  text += "CATEGORY-POWER: HIGH\n";
  text += "CATEGORY-STATION: FIXED\n";
  text += "CATEGORY-TRANSMITTER: ONE\n";
  text += "CLAIMED-SCORE: " + header.claimedScore + "\n";
  text += "OPERATORS: " + header.callSign + "\n";
  text += "NAME: \n";
  text += "ADDRESS: \n";
  text += "EMAIL: \n";
  text += "SOAPBOX: \n";
  for (const LoggedContact& contact : log) text += cabrilloQsoLine(header, contact) + "\n";
  text += "END-OF-LOG:\n";

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.toLocal8Bit()) < 0 || !file.commit())
    throw ExportError(("Cannot write " + path + ": " + file.errorString()).toStdString());
}

}  // namespace q9xhost
