// The one main of the test programs that need Qt: headless unless a platform
// is given, stored settings in a temporary folder of their own, and one
// widget application as a host provides it. What a program needs beyond
// that (an error sink, an error-box capture, a log) it registers as a
// GoogleTest environment in its own sources.

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
