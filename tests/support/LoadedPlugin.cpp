#include "tests/support/LoadedPlugin.h"

#include <dlfcn.h>

#include <QApplication>
#include <stdexcept>
#include <string>

namespace q9xtest {

const char* pluginPath() { return Q9X_PLUGIN_PATH; }

PluginExports exportsOf(void* lib)
{
  auto get = [lib](const char* name) {
    void* f = dlsym(lib, name);
    if (!f) throw std::runtime_error(std::string("missing export ") + name);
    return f;
  };
  return PluginExports{
      reinterpret_cast<void (*)(TPluginInfo*)>(get("_GetInfo")),
      reinterpret_cast<intptr_t (*)(intptr_t, const TPluginRecord*)>(get("_Run")),
      reinterpret_cast<int32_t (*)(const TPluginRecord*)>(get("_GetScore")),
      reinterpret_cast<int32_t (*)(const TPluginRecord*)>(get("_AddQSO")),
      reinterpret_cast<void (*)(const TPluginRecord*, unsigned char*)>(get("_GrabNumber")),
      reinterpret_cast<void (*)()>(get("_Release"))};
}

PluginExports& plugin()
{
  static PluginExports exports = [] {
    void* lib = dlopen(Q9X_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!lib) throw std::runtime_error(dlerror());
    return exportsOf(lib);
  }();
  return exports;
}

void settle()
{
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

QWidget* topLevel(const char* objectName)
{
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String(objectName)) return w;
  return nullptr;
}

}  // namespace q9xtest
