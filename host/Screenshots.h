#pragma once
// The plug-in's windows as any host sees them: top-level widgets found by
// their object names.

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

class QWidget;

namespace q9xhost {

struct WindowNotFound : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The top-level window with this object name (e.g. "fmMainForm"), or null.
QWidget* findPluginWindow(const QString& objectName);

// What the statistics window shows: the grid's rows (each a list of its cell
// texts) and the score line.
struct StatisticsFigures {
  std::vector<QStringList> grid;
  QString scoreLine;
};

// Reads StringGrid1 and Label1 of fmMainForm. Throws WindowNotFound.
StatisticsFigures readStatistics();

// Opens the area window with the statistics window's btnOBL1 button and
// returns it. Throws WindowNotFound.
QWidget* openAreaWindow();

// Saves fmMainForm.png and fmDomList.png into dir (created when missing),
// opening the area window first. Throws std::runtime_error.
void saveScreenshots(const QString& dir);

}  // namespace q9xhost
