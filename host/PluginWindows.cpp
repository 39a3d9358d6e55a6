#include "host/PluginWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
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

void saveScreenshots(const QString& dir)
{
  if (!QDir().mkpath(dir)) throw std::runtime_error(("Cannot create the folder " + dir).toStdString());
  QWidget* areaWindow = openAreaWindow();
  QWidget* statistics = requireWindow(QStringLiteral("fmMainForm"));
  for (QWidget* window : {statistics, areaWindow}) {
    const QString file = QDir(dir).filePath(window->objectName() + ".png");
    if (!window->grab().save(file)) throw std::runtime_error(("Cannot write " + file).toStdString());
  }
}

}  // namespace q9xhost
