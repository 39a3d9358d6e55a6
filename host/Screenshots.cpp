#include "host/PluginWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QPixmap>
#include <QTableWidget>
#include <QWidget>

namespace q9xhost {

namespace {
template <class Child>
Child* childOf(QWidget* window, const QString& name)
{
  auto* child = window->findChild<Child*>(name);
  if (!child)
    throw WindowNotFound(
        QString("The plug-in window %1 has no %2").arg(window->objectName(), name).toStdString());
  return child;
}

QWidget* requireWindow(const QString& name)
{
  QWidget* window = findPluginWindow(name);
  if (!window) throw WindowNotFound(("The plug-in shows no window " + name).toStdString());
  return window;
}
}  // namespace

QWidget* findPluginWindow(const QString& objectName)
{
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == objectName) return widget;
  return nullptr;
}

StatisticsFigures readStatistics()
{
  QWidget* window = requireWindow(QStringLiteral("fmMainForm"));
  auto* grid = childOf<QTableWidget>(window, QStringLiteral("StringGrid1"));
  StatisticsFigures figures;
  for (int row = 0; row < grid->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < grid->columnCount(); ++column) {
      const QTableWidgetItem* item = grid->item(row, column);
      cells << (item ? item->text() : QString());
    }
    figures.grid.push_back(cells);
  }
  figures.scoreLine = childOf<QLabel>(window, QStringLiteral("Label1"))->text();
  return figures;
}

QWidget* openAreaWindow()
{
  QWidget* window = requireWindow(QStringLiteral("fmMainForm"));
  childOf<QAbstractButton>(window, QStringLiteral("btnOBL1"))->click();
  QCoreApplication::processEvents();
  return requireWindow(QStringLiteral("fmDomList"));
}

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
  savePicture(requireWindow(QStringLiteral("fmMainForm")), dir);
  savePicture(openAreaWindow(), dir);
}

}  // namespace q9xhost
