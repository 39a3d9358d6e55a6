#pragma once
// Loads the plug-in library from a path and resolves its six functions.

#include <QLibrary>
#include <QString>
#include <stdexcept>

#include "plugin/q9xcup.h"

namespace q9xhost {

// The six functions, resolved from the loaded library.
struct PluginApi {
  void(Q9X_CALL* GetInfo)(TPluginInfo* info) = nullptr;
  intptr_t(Q9X_CALL* Run)(intptr_t ignored, const TPluginRecord* rec) = nullptr;
  int32_t(Q9X_CALL* GetScore)(const TPluginRecord* rec) = nullptr;
  int32_t(Q9X_CALL* AddQSO)(const TPluginRecord* rec) = nullptr;
  void(Q9X_CALL* GrabNumber)(const TPluginRecord* rec, unsigned char result[256]) = nullptr;
  void(Q9X_CALL* Release)() = nullptr;
};

struct PluginLoadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class PluginLibrary {
 public:
  // Throws PluginLoadError when the library cannot be loaded or lacks any of
  // the six functions (the message names every missing one). The library stays
  // loaded for the rest of the process: the plug-in's windows and Qt objects
  // may outlive this object until the event loop ends.
  explicit PluginLibrary(const QString& path);

  const PluginApi& api() const { return api_; }

  // The plug-in's name as _GetInfo reports it.
  QString name() const;

 private:
  QLibrary library_;
  PluginApi api_;
};

}  // namespace q9xhost
