#pragma once
// Before the plug-in creates an application of its own (a host without Qt),
// it makes sure Qt's window platform can be opened: Qt aborts the whole
// process when it cannot open the platform it was asked for.

#include <string>

namespace q9x::plugin {

struct PlatformChoice {
  std::string platform;  // the entry to hand to Qt as "-platform", empty when none works
  std::string refusal;   // why none can be opened
};

// Looks at the platforms QT_QPA_PLATFORM names (separated by ';', each
// perhaps with ":options"), or at Qt's default when it is not set, and takes
// the first that can be opened: offscreen and minimal always can, xcb when its
// X display accepts a connection, wayland when its compositor's socket does.
PlatformChoice choosePlatform();

}  // namespace q9x::plugin
