// The main of the test programs that drive the built plug-in through its
// exports: stored settings in a folder of their own, headless unless told
// otherwise, and every error box recorded and closed.

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/ErrorBoxCapture.h"

int main(int argc, char** argv)
{
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  q9xtest::ErrorBoxCapture errorBoxes;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
