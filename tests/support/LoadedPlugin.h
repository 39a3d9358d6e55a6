#pragma once
// The built libq9xcup.so, opened with dlopen and driven through its exports.

#include <QWidget>

#include "plugin/q9xcup.h"

namespace q9xtest {

struct PluginExports {
  void (*GetInfo)(TPluginInfo*);
  intptr_t (*Run)(intptr_t, const TPluginRecord*);
  int32_t (*GetScore)(const TPluginRecord*);
  int32_t (*AddQSO)(const TPluginRecord*);
  void (*GrabNumber)(const TPluginRecord*, unsigned char*);
  void (*Release)();
};

// Loaded once per test program; throws when the library or an export is missing.
PluginExports& plugin();

// The built library's path, and the exports of a library opened with dlopen
// (throws when one is missing).
const char* pluginPath();
PluginExports exportsOf(void* library);

// Lets released windows be destroyed and pending events run, as the host's
// event loop would.
void settle();

// The plug-in's top-level window of that object name, or null.
QWidget* topLevel(const char* objectName);

}  // namespace q9xtest
