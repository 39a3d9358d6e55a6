#pragma once
// A window's placement as the settings store keeps it, mapped onto Qt:
// flags (Qt has none: 0), the show command, the minimised and maximised
// positions (Qt keeps none: -1) and the normal rectangle of the window frame.

#include <QPoint>
#include <QRect>

class QWidget;

namespace q9x {

enum ShowCommand : int {
  ShowNormal = 1,
  ShowMinimized = 2,
  ShowMaximized = 3,
};

struct WindowPlacement {
  int flags = 0;
  int showCmd = ShowNormal;
  QPoint minPosition{-1, -1};
  QPoint maxPosition{-1, -1};
  // The frame's rectangle in the normal (neither minimised nor maximised) state.
  QRect normalFrame;
};

WindowPlacement currentPlacement(const QWidget& window);

// Puts the window's frame at frame.topLeft() and, when its size may change,
// makes the frame frame.size(). Visibility and window state stay as they are.
void applyNormalFrame(QWidget& window, const QRect& frame);

// A window whose size is fixed takes only a position.
bool isSizeable(const QWidget& window);

}  // namespace q9x
