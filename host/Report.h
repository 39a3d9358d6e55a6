#pragma once
// The plug-in's figures as plain text, for --report.

#include <QString>

#include "host/PluginWindows.h"

namespace q9xhost {

// The plug-in's name, the operator's main prefix, the grid in columns ten
// characters wide and the score line, one per line.
QString formatReport(const QString& pluginName, const QString& myMainPrefix,
                     const StatisticsFigures& figures);

}  // namespace q9xhost
