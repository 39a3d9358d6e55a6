#pragma once
// What the loaded library remembers between calls: the contact the host sent
// last and the one statistics window (which owns the scoring session and the
// area window).

#include "plugin/q9xcup.h"
#include "session/ScoringSession.h"
#include "session/SessionHost.h"
#include "ui/MainForm/MainForm.h"

namespace q9x::plugin {

// The record of the host's last call; zero-filled when the library loads.
TPluginRecord& currentRecord();
// The scoring session's view of that record.
SessionHost& currentRecordHost();

// The open statistics window, or null when none is open (never a window that
// is closed and waiting for its deferred destruction).
TfmMainForm* statisticsWindow();
void setStatisticsWindow(TfmMainForm* window);

// The open statistics window's scoring session, or null.
ScoringSession* scoringSession();

// Releases the open statistics window, if any (deferred destruction).
void releaseStatisticsWindow();

}  // namespace q9x::plugin
