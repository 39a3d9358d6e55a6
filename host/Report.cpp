#include "host/Report.h"

namespace q9xhost {

QString formatReport(const QString& pluginName, const QString& myMainPrefix,
                     const StatisticsFigures& figures)
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
  return text;
}

}  // namespace q9xhost
