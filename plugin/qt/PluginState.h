#pragma once
// The Qt front-end of the loaded library: the one statistics window (which
// owns the scoring session and the area window) and the windows released but
// perhaps not yet destroyed by the event loop.

#include "ui/MainForm/qt/MainForm.h"

namespace q9x::plugin {

// The open statistics window, or null when none is open (never a window that
// is closed and waiting for its deferred destruction).
TfmMainForm* statisticsWindow();

}  // namespace q9x::plugin
