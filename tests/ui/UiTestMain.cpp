// Runs the window tests inside one QApplication, as a host would provide it,
// with stored window settings in a folder of their own.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/ErrorReport.h"

int main(int argc, char** argv)
{
  testing::InitGoogleTest(&argc, argv);
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  QApplication app(argc, argv);
  // An error box would wait for a user who is not there: any error a test
  // does not expect fails it instead.
  q9x::setErrorSink([](const QString& text) { ADD_FAILURE() << "error shown: " << text.toStdString(); });
  return RUN_ALL_TESTS();
}
