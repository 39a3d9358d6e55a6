#pragma once
// The built libq9xcup.so, loaded once through the host kit and driven through
// its exports, for the tests that see the plug-in only as a host does.

#include <QWidget>

#include "hostkit/PluginLibrary.h"
#include "hostkit/PluginWindows.h"

namespace q9xtest {

using q9xkit::PluginExports;
using q9xkit::settle;

// Loaded at the first call and kept for the rest of the test program;
// throws q9xkit::PluginLoadError when the library or an export is missing.
PluginExports& plugin();

// The built library's path.
const char* pluginPath();

// The plug-in's top-level window of that object name, or null.
inline QWidget* topLevel(const char* objectName)
{
  return q9xkit::findPluginWindow(QString::fromLatin1(objectName));
}

}  // namespace q9xtest
