#include "ui/settings/WindowPlacement.h"

#include <QMargins>
#include <QWidget>
#include <QWindow>

namespace q9x {

namespace {

// The thickness of the window system's frame around the client area; zero
// while the window has no native window or its frame is not known yet.
QMargins frameMargins(const QWidget& window)
{
  const QWindow* native = window.windowHandle();
  return native ? native->frameMargins() : QMargins();
}

// The frame's rectangle in the normal state. A window's pos() is its frame's
// position also before it was first shown, when its geometry() is not final.
QRect normalFrameGeometry(const QWidget& window)
{
  const QMargins margins = frameMargins(window);
  if (window.isMaximized() || window.isFullScreen())
    return window.normalGeometry().marginsAdded(margins);
  return QRect(window.pos(), window.size().grownBy(margins));
}

}  // namespace

WindowPlacement currentPlacement(const QWidget& window)
{
  WindowPlacement p;
  if (window.isMinimized())
    p.showCmd = ShowMinimized;
  else if (window.isMaximized())
    p.showCmd = ShowMaximized;
  p.normalFrame = normalFrameGeometry(window);
  return p;
}

void applyNormalFrame(QWidget& window, const QRect& frame)
{
  // A top-level widget's position is that of its frame.
  window.move(frame.topLeft());
  if (!isSizeable(window)) return;
  const QMargins m = frameMargins(window);
  window.resize(frame.width() - m.left() - m.right(), frame.height() - m.top() - m.bottom());
}

bool isSizeable(const QWidget& window) { return window.minimumSize() != window.maximumSize(); }

}  // namespace q9x
