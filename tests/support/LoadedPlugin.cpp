#include "tests/support/LoadedPlugin.h"

namespace q9xtest {

const char* pluginPath() { return Q9X_PLUGIN_PATH; }

PluginExports& plugin()
{
  static q9xkit::PluginLibrary library(QString::fromLocal8Bit(Q9X_PLUGIN_PATH));
  return library;
}

}  // namespace q9xtest
