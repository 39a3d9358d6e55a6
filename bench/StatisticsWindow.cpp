#include "bench/StatisticsWindow.h"

#include <stdexcept>

#include "hostkit/PluginWindows.h"

namespace q9x::bench {

StatisticsWindow::StatisticsWindow() : window_(q9xkit::findVisiblePluginWindow(QStringLiteral("fmMainForm")))
{
  if (!window_) throw std::runtime_error("The plug-in shows no statistics window fmMainForm");
}

void StatisticsWindow::recalc() { q9xkit::pressRecalc(window_); }

long long StatisticsWindow::totalQsos() const
{
  const QString cell = q9xkit::readStatistics(window_).grid.at(3).value(1);
  bool ok = false;
  const long long qsos = cell.toLongLong(&ok);
  return ok ? qsos : -1;
}

}  // namespace q9x::bench
