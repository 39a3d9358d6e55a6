#pragma once
// A window's placement as the settings store keeps it, mapped onto Qt:
// flags (Qt has none: 0), the show command, the minimised and maximised
// positions (Qt keeps none: -1) and the normal rectangle of the window frame.

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <optional>

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

// A stored frame's edges: four numbers from anywhere in int's range, so that
// their differences need more than an int.
struct FrameEdges {
  qint64 left = 0;
  qint64 top = 0;
  qint64 right = 0;
  qint64 bottom = 0;
};

// Where a restored frame goes among the screens' available areas: a frame
// larger than the area of the screen it is on (or nearest to) is cut to that
// area, and one that would lie entirely outside every area is moved into the
// nearest one; one partly visible stays where it is. Edges must be ordered
// (right > left, bottom > top).
QRect reachableFrame(const FrameEdges& edges, const QList<QRect>& availableAreas);

// Knows a window's normal frame in every state. A window manager reports a
// frame's margins only once the window is mapped, and another frame while the
// window is maximised; until the window has been seen in its normal state
// with its frame known, its frame is the one it was last put at.
class FrameKeeper {
 public:
  WindowPlacement placement(const QWidget& window) const;

  // Puts the window's frame at frame.topLeft() and, when its size may
  // change, makes the frame frame.size(). Visibility and window state stay
  // as they are.
  void apply(QWidget& window, const QRect& frame);
  // The window keeps the place it has now as its normal place.
  void keepCurrent(const QWidget& window);
  // Called whenever the window may have moved, resized, changed its state or
  // learnt its frame: finishes a placement made before the frame was known.
  void observe(QWidget& window);

 private:
  struct Wanted {
    QPoint position;
    std::optional<QSize> frameSize;  // none: the window's own size
  };
  QRect normalFrame(const QWidget& window) const;

  static constexpr int kRetries = 3;
  static constexpr int kStaleChecks = 8;
  std::optional<Wanted> wanted_;
  int retries_ = 0;
  std::optional<QMargins> normalMargins_;
  // The frame seen while maximised or minimised, and how many more looks in
  // the normal state may take it for a stale one.
  std::optional<QMargins> otherStateMargins_;
  int staleChecks_ = 0;
};

// A window whose size is fixed takes only a position.
bool isSizeable(const QWidget& window);

}  // namespace q9x
