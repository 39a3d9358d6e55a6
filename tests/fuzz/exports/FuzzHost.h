#pragma once
// The host around the fuzzed plug-in: a widget application without a screen,
// settings in a folder of its own, a log database with a few rows, and the
// plug-in's error box turned into a counter.

#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <string>

#include "hostkit/PluginWindows.h"

namespace q9xfuzz {

// Once per process, before the first input.
void startHost();

// Error texts reported since the start.
std::size_t reportedErrors();

using q9xkit::settle;

// The visible top-level window of that object name, or null.
inline QWidget* visibleWindow(const char* objectName)
{
  return q9xkit::findVisiblePluginWindow(QString::fromLatin1(objectName));
}

// Aborts with the text: a finding for libFuzzer.
[[noreturn]] void fail(const std::string& what);

}  // namespace q9xfuzz
