#pragma once
// A Qt window's normal frame, known in every state. A window manager reports
// a frame's margins only once the window is mapped, and another frame while
// the window is maximised; until the window has been seen in its normal
// state with its frame known, its frame is the one it was last put at.

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace q9x {

class FrameKeeper {
 public:
  // The frame's rectangle in the normal (neither minimised nor maximised) state.
  QRect normalFrame(const QWidget& window) const;

  // Puts the window's frame at frame.topLeft() and, when its size may
  // change, makes the frame frame.size(). Visibility and window state stay
  // as they are. The frame where a window never placed here stands now, or
  // where a place on its way goes, stays as it is: before the window manager
  // tells the frame, the size read is the client area's, and taken for the
  // frame's it would shrink the window.
  void apply(QWidget& window, const QRect& frame);
  // Called whenever the window may have moved, resized, changed its state or
  // learnt its frame: finishes a placement made before the frame was known.
  // While the frame may still be the maximised one, it looks again by itself
  // a little later.
  void observe(QWidget& window);

 private:
  struct Wanted {
    QPoint position;
    std::optional<QSize> frameSize;  // none: the window's own size
  };

  // The window's frame stays where it is now, also once the window manager
  // tells its frame; a place already on its way stays on its way.
  void keepCurrent(const QWidget& window);

  static constexpr int kRetries = 3;
  static constexpr int kStaleChecks = 8;
  static constexpr int kStaleLookInterval = 50;  // milliseconds
  std::optional<Wanted> wanted_;
  int retries_ = 0;
  std::optional<QMargins> normalMargins_;
  // The frame seen while maximised or minimised, and how many more looks in
  // the normal state may take it for a stale one.
  std::optional<QMargins> otherStateMargins_;
  int staleChecks_ = 0;
  // Whether the window has been put at a place of its own here.
  bool placed_ = false;
  // Set while a placement is being requested: the move and resize events Qt
  // sends meanwhile tell the place asked for, not where the window manager
  // has put the window.
  bool placing_ = false;
  // The looks to come go with the keeper.
  QObject looks_;
};

// A window whose size is fixed takes only a position.
bool isSizeable(const QWidget& window);

}  // namespace q9x
