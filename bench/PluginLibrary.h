#pragma once
// The plug-in as a host sees it: the shared library loaded at run time and
// its six exported functions.

#include <QLibrary>
#include <QString>

#include "plugin/q9xcup.h"

namespace q9x::bench {

class PluginLibrary {
 public:
  // Loads the library and resolves all six exports; throws with the loader's
  // text when the file or a function is missing.
  explicit PluginLibrary(const QString& path);

  decltype(&::_GetInfo) GetInfo = nullptr;
  decltype(&::_Run) Run = nullptr;
  decltype(&::_GetScore) GetScore = nullptr;
  decltype(&::_AddQSO) AddQSO = nullptr;
  decltype(&::_GrabNumber) GrabNumber = nullptr;
  decltype(&::_Release) Release = nullptr;

 private:
  template <class Function>
  void resolve(Function& function, const char* name);

  QLibrary library_;
};

// libq9xcup.so in the build folder, one level above the benchmark's bin/.
QString defaultPluginPath();

}  // namespace q9x::bench
