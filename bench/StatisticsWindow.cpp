#include "bench/StatisticsWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <stdexcept>

namespace q9x::bench {

StatisticsWindow::StatisticsWindow()
{
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == QLatin1String("fmMainForm") && widget->isVisible()) window_ = widget;
  if (!window_) throw std::runtime_error("The plug-in shows no statistics window fmMainForm");
}

void StatisticsWindow::recalc()
{
  auto* button = window_->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
  if (!button || !button->isEnabled()) throw std::runtime_error("No enabled Recalc button BitBtn1");
  button->click();
}

long long StatisticsWindow::totalQsos() const
{
  auto* grid = window_->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
  QTableWidgetItem* item = grid ? grid->item(3, 1) : nullptr;
  return item ? item->text().toLongLong() : -1;
}

ErrorBoxCatcher::ErrorBoxCatcher()
{
  // The box's own event loop runs the timer.
  connect(&timer_, &QTimer::timeout, this, [this] { closeOpenBoxes(); });
  timer_.start(50);
}

void ErrorBoxCatcher::closeOpenBoxes()
{
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (!box || !box->isVisible()) continue;
    texts_ << box->text();
    box->done(QMessageBox::Ok);
  }
}

}  // namespace q9x::bench
