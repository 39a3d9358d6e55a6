#include "host/Report.h"

namespace q9xhost {

using q9xkit::StatisticsFigures;

namespace {
// The QSOs column of a grid row ("80", "40", "Total"); 0 where it is empty.
int qsosOf(const StatisticsFigures& figures, const QString& row)
{
  for (const QStringList& cells : figures.grid)
    if (cells.value(0) == row) return cells.value(1).toInt();
  return 0;
}
}  // namespace

QString formatReport(const QString& pluginName, const QString& myMainPrefix,
                     const StatisticsFigures& figures, const std::vector<LoggedContact>& log)
{
  QString text = "Plug-in: " + pluginName + "\n";
  text += "My main prefix: " + myMainPrefix + "\n";
  for (const QStringList& row : figures.grid) {
    QString line;
    // A blank after every cell keeps wide cells apart.
    for (const QString& cell : row) line += cell.leftJustified(9) + ' ';
    while (line.endsWith(' ')) line.chop(1);
    text += line + "\n";
  }
  text += figures.scoreLine + "\n";

  const int total = qsosOf(figures, "Total");
  const int withoutPoints = total - qsosOf(figures, "80") - qsosOf(figures, "40");
  text += QString("Total counts every band: %1 of the %2 QSOs are on bands that score no points\n")
              .arg(withoutPoints)
              .arg(total);

  QStringList repeats;
  int unknown = 0;
  for (const LoggedContact& contact : log) {
    if (contact.answer.isEmpty()) ++unknown;
    if (contact.answer != QLatin1String("-1")) continue;
    const ContactFields& f = contact.fields;
    repeats << QStringList{contact.date, contact.time, f.callSign, f.digiBand, f.qsoMode}.join(' ');
  }
  text += QString("Repeats refused (not counted): %1\n").arg(repeats.size());
  for (const QString& repeat : repeats) text += "  " + repeat + "\n";
  if (unknown > 0)
    text += QString("Logged without q9x-host, answers not known: %1\n").arg(unknown);
  return text;
}

}  // namespace q9xhost
