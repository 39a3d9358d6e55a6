#include "host/Screenshots.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <stdexcept>

#include "hostkit/PluginWindows.h"

namespace q9xhost {

namespace {
// On a desktop the picture is taken from the screen, so that it shows the
// window manager's frame; offscreen there is only the window itself.
void savePicture(QWidget* window, const QString& dir)
{
  const QString file = QDir(dir).filePath(window->objectName() + ".png");
  QPixmap picture;
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 700) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const QRect frame = window->frameGeometry();
    picture = window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  } else {
    picture = window->grab();
  }
  if (!picture.save(file)) throw std::runtime_error(("Cannot write " + file).toStdString());
}
}  // namespace

void saveScreenshots(const QString& dir)
{
  if (!QDir().mkpath(dir)) throw std::runtime_error(("Cannot create the folder " + dir).toStdString());
  // The statistics window first: the area window opens over it.
  QWidget* statistics = q9xkit::findPluginWindow(QStringLiteral("fmMainForm"));
  if (!statistics) throw q9xkit::WindowNotFound("The plug-in shows no window fmMainForm");
  savePicture(statistics, dir);
  savePicture(q9xkit::openAreaWindow(), dir);
}

}  // namespace q9xhost
