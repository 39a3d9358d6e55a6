#include "ui/settings/qt/QtSettingsWindow.h"

#include <QWindow>

namespace q9x {

namespace {

PlacementRect edgesOf(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

QRect rectOf(const PlacementRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

}  // namespace

void QtSettingsWindow::observe()
{
  if (window_) frame_.observe(*window_);
}

bool QtSettingsWindow::isVisible() const { return window_ && window_->isVisible(); }

bool QtSettingsWindow::isSizeable() const { return window_ && q9x::isSizeable(*window_); }

WindowPlacement QtSettingsWindow::placement() const
{
  WindowPlacement p;
  if (!window_) return p;
  if (window_->isMinimized())
    p.showCmd = ShowMinimized;
  else if (window_->isMaximized())
    p.showCmd = ShowMaximized;
  p.normalPosition = edgesOf(frame_.normalFrame(*window_));
  return p;
}

void QtSettingsWindow::setPlacement(const WindowPlacement& placement)
{
  // Only the normal frame has a place in Qt; the window's state is set on
  // its own, and Qt places minimised and maximised windows itself.
  if (window_) frame_.apply(*window_, rectOf(placement.normalPosition));
}

PlacementPoint QtSettingsWindow::frameThickness() const
{
  const QWindow* native = window_ ? window_->windowHandle() : nullptr;
  if (!native) return {};
  const QMargins m = native->frameMargins();
  return {m.left(), m.top()};
}

void QtSettingsWindow::setState(WindowState state)
{
  if (!window_) return;
  const Qt::WindowStates others = window_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
  window_->setWindowState(state == WindowState::Maximized ? others | Qt::WindowMaximized : others);
}

// Qt has no application window to minimise in the window's place: the
// window stays as it is.
void QtSettingsWindow::minimiseApplication() {}

void QtSettingsWindow::refresh()
{
  if (window_) window_->update();
}

}  // namespace q9x
