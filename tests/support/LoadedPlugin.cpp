#include "tests/support/LoadedPlugin.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/ErrorBoxCapture.h"

namespace q9xtest {

namespace {
// Every program that loads the plug-in records and closes its error boxes
// from the first test to the last, once the application exists.
class ErrorBoxesCaptured : public ::testing::Environment {
 public:
  void SetUp() override { capture_ = std::make_unique<ErrorBoxCapture>(); }
  void TearDown() override { capture_.reset(); }

 private:
  std::unique_ptr<ErrorBoxCapture> capture_;
};
[[maybe_unused]] ::testing::Environment* const errorBoxes =
    ::testing::AddGlobalTestEnvironment(new ErrorBoxesCaptured);
}  // namespace

const char* pluginPath() { return Q9X_PLUGIN_PATH; }

PluginExports& plugin()
{
  static q9xkit::PluginLibrary library(QString::fromLocal8Bit(Q9X_PLUGIN_PATH));
  return library;
}

}  // namespace q9xtest
