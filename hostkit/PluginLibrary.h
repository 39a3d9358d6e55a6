#pragma once
// The plug-in library opened by path, and its six functions resolved by name.

#include <QString>
#include <stdexcept>

#include "plugin/q9xcup.h"

namespace q9xkit {

// The six functions of one loaded library.
struct PluginExports {
  q9x_get_info_fn GetInfo = nullptr;
  q9x_run_fn Run = nullptr;
  q9x_get_score_fn GetScore = nullptr;
  q9x_add_qso_fn AddQSO = nullptr;
  q9x_grab_number_fn GrabNumber = nullptr;
  q9x_release_fn Release = nullptr;
};

// Why a library could not be used; what() is the text for the user.
struct PluginLoadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A loaded library is its six functions: a host calls them as members,
// plugin.Run(0, &rec), or hands the object on as PluginExports.
class PluginLibrary : public PluginExports {
 public:
  // Opens the library with dlopen (symbols bound at once, kept local to it)
  // and resolves the six functions; nothing of it is called. Throws
  // PluginLoadError:
  //   "Cannot load the plug-in <path>: <the loader's reason>", or
  //   "<path> is not a Q9X-CUP-DIGI plug-in: it does not export <names>",
  //   naming every missing function; such a library is closed again.
  explicit PluginLibrary(const QString& path);

  // Leaves the library loaded: the plug-in's windows and Qt objects may
  // outlive this object until the host's event loop ends. Only close()
  // unloads it.
  ~PluginLibrary() = default;
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Unloads the library (dlclose) and clears the six functions. Whatever the
  // plug-in still owns must be gone by then: call Release and let its
  // windows be destroyed first. A second call does nothing.
  void close();

  // The plug-in's name as _GetInfo writes it, in the local 8-bit encoding.
  // Only while the library is open.
  QString name() const;

  const QString& path() const { return path_; }

 private:
  QString path_;
  void* handle_ = nullptr;
};

// The plug-in built beside the calling program: libq9xcup.so in the folder
// above the program's bin/ folder. Needs the application object.
QString defaultPluginPath();

}  // namespace q9xkit
