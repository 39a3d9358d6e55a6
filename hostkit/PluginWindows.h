#pragma once
// The plug-in's windows as any host sees them: top-level widgets found by
// their object names ("fmMainForm" the statistics window, "fmDomList" the
// area window), their parts found by the children's object names. Every
// window belongs to the plug-in: a host never deletes one, and holds its
// pointer only until it calls _Release and lets the event loop run. All of
// it needs the application object and runs on the host's UI thread.

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

class QWidget;

namespace q9xkit {

// A window, or a part of one, that is not there.
struct WindowNotFound : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The first top-level window with this object name, shown or not (a
// released one waits for its deferred destruction until the event loop
// runs), or null.
QWidget* findPluginWindow(const QString& objectName);

// The same among the windows that are shown.
QWidget* findVisiblePluginWindow(const QString& objectName);

// Lets released windows be destroyed and the pending events run, as the
// host's event loop does between calls.
void settle();

// What the statistics window shows: the grid's rows (each the list of its
// cell texts, empty for a cell without an item) and the score line.
struct StatisticsFigures {
  std::vector<QStringList> grid;
  QString scoreLine;
};

// Reads StringGrid1 and Label1 of the given statistics window (not null).
// Throws WindowNotFound naming the missing part.
StatisticsFigures readStatistics(QWidget* statisticsWindow);

// The same of the top-level fmMainForm. Throws WindowNotFound.
StatisticsFigures readStatistics();

// Clicks the given statistics window's (not null) Recalc button, BitBtn1;
// returns once the recalculation is done, its errors shown as error boxes.
// Throws WindowNotFound when the button is missing or disabled.
void pressRecalc(QWidget* statisticsWindow);

// Opens the area window with the statistics window's btnOBL1 button and
// returns it. Throws WindowNotFound.
QWidget* openAreaWindow();

}  // namespace q9xkit
