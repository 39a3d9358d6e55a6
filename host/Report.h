#pragma once
// The plug-in's figures as plain text, for --report.

#include <QString>
#include <vector>

#include "host/LogDatabase.h"
#include "hostkit/PluginWindows.h"

namespace q9xhost {

// The plug-in's name, the operator's main prefix, the grid in columns ten
// characters wide and the score line, one per line; then what the grid does
// not show: how many contacts on bands without points the total holds, and
// the contacts the plug-in refused as repeats when they were logged.
QString formatReport(const QString& pluginName, const QString& myMainPrefix,
                     const q9xkit::StatisticsFigures& figures, const std::vector<LoggedContact>& log);

}  // namespace q9xhost
