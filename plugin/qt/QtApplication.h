#pragma once

namespace q9x::plugin {

// Makes sure a widget application exists before a window is created: the
// host's own when it has one, else one created here for the process, once a
// window platform that can be opened has been found. Throws when the host
// runs a Qt application without widget support, or when no platform can be
// opened (the text says why).
void ensureWidgetApplication();

// True when the application is one the plug-in created (a host without Qt):
// nobody but the plug-in runs its events.
bool ownApplication();

}  // namespace q9x::plugin
