#pragma once

namespace q9x::plugin {

// Makes sure a widget application exists before a window is created: the
// host's own when it has one, else one created here for the process.
// Throws when the host runs a Qt application without widget support.
void ensureWidgetApplication();

}  // namespace q9x::plugin
