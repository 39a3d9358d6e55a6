// The desktop tests run on whatever platform they are given: a real X server
// with a window manager (on-desktop.sh), or offscreen where there is none.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  if (QGuiApplication::platformName() == QLatin1String("xcb"))
    std::printf("Desktop tests on X display %s, screen %dx%d\n", qgetenv("DISPLAY").constData(),
                screen.width(), screen.height());
  else
    std::printf("No X server: the desktop tests run on the %s platform, screen %dx%d\n",
                qPrintable(QGuiApplication::platformName()), screen.width(), screen.height());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
