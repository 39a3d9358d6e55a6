#include "hostkit/PluginWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTableWidget>
#include <QWidget>

namespace q9xkit {

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

QWidget* findVisiblePluginWindow(const QString& objectName)
{
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == objectName && widget->isVisible()) return widget;
  return nullptr;
}

void settle()
{
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

StatisticsFigures readStatistics(QWidget* statisticsWindow)
{
  auto* grid = childOf<QTableWidget>(statisticsWindow, QStringLiteral("StringGrid1"));
  StatisticsFigures figures;
  for (int row = 0; row < grid->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < grid->columnCount(); ++column) {
      const QTableWidgetItem* item = grid->item(row, column);
      cells << (item ? item->text() : QString());
    }
    figures.grid.push_back(cells);
  }
  figures.scoreLine = childOf<QLabel>(statisticsWindow, QStringLiteral("Label1"))->text();
  return figures;
}

StatisticsFigures readStatistics() { return readStatistics(requireWindow(QStringLiteral("fmMainForm"))); }

void pressRecalc(QWidget* statisticsWindow)
{
  auto* button = childOf<QAbstractButton>(statisticsWindow, QStringLiteral("BitBtn1"));
  if (!button->isEnabled()) throw WindowNotFound("The Recalc button BitBtn1 is disabled");
  button->click();
}

QWidget* openAreaWindow()
{
  QWidget* window = requireWindow(QStringLiteral("fmMainForm"));
  childOf<QAbstractButton>(window, QStringLiteral("btnOBL1"))->click();
  QCoreApplication::processEvents();
  return requireWindow(QStringLiteral("fmDomList"));
}

}  // namespace q9xkit
