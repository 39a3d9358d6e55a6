#pragma once
// What the loaded library remembers between calls: the contact the host sent
// last and the one statistics window (which owns the engine and the area window).

#include <QPointer>

#include "plugin/q9xcup.h"
#include "ui/MainForm/MainForm.h"

namespace q9x::plugin {

// The record of the host's last call; zero-filled when the library loads.
TPluginRecord& currentRecord();

// The open statistics window, or null when none is open (never a window that
// is closed and waiting for its deferred destruction).
TfmMainForm* statisticsWindow();
void setStatisticsWindow(TfmMainForm* window);

// The area window, or null; it lives inside the statistics window.
TfmDomList* areaWindow();

// Releases the open statistics window, if any (deferred destruction).
void releaseStatisticsWindow();

}  // namespace q9x::plugin
