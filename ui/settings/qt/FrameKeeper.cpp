#include "ui/settings/qt/FrameKeeper.h"

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

bool inNormalState(const QWidget& window)
{
  return !(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

// Puts the frame at frame.topLeft() and, for a sizeable window, gives it
// frame.size(), with the frame's margins as far as they are known. Margins
// are settled when the window manager has told them in the normal state and
// the window has never been in another state, whose frame it may report for
// a while after.
void place(QWidget& window, const QRect& frame, const QMargins& margins, bool marginsSettled)
{
  // The size first: a later resize would send the client position again.
  if (isSizeable(window)) window.resize(frame.size().shrunkBy(margins));
  // A top-level widget's position is that of its frame, and with settled
  // margins the widget puts its client area inside it. Otherwise the native
  // window must be told that the position is the frame's, or its window
  // manager puts the client area there; with settled margins that second
  // request may be taken the same way, which moved the window by its frame.
  window.move(frame.topLeft());
  QWindow* native = window.windowHandle();
  if (native && !marginsSettled) native->setFramePosition(frame.topLeft());
}

}  // namespace

QRect FrameKeeper::normalFrame(const QWidget& window) const
{
  const QMargins current = frameMargins(window);
  const bool normal = inNormalState(window);
  const QMargins margins = normal && !current.isNull() ? current : normalMargins_.value_or(current);
  if (wanted_) return QRect(wanted_->position, wanted_->frameSize.value_or(window.size().grownBy(margins)));
  if (!normal && normalMargins_) {
    // The normal geometry is the client area's; the frame around it is the
    // one the window had in its normal state.
    const QRect client = window.normalGeometry();
    return QRect(client.topLeft() - QPoint(margins.left(), margins.top()), client.size().grownBy(margins));
  }
  return QRect(window.pos(), window.size().grownBy(margins));
}

void FrameKeeper::apply(QWidget& window, const QRect& frame)
{
  const QMargins current = frameMargins(window);
  if (frame == normalFrame(window) && (wanted_ || !placed_)) {
    keepCurrent(window);
    return;
  }
  placed_ = true;
  place(window, frame, current.isNull() ? normalMargins_.value_or(current) : current,
        !current.isNull() && normalMargins_ == current && onlyEverNormal_);
  wanted_ = Wanted{frame.topLeft(), isSizeable(window) ? std::optional<QSize>(frame.size()) : std::nullopt};
  retries_ = kRetries;
}

void FrameKeeper::keepCurrent(const QWidget& window)
{
  if (!wanted_) wanted_ = Wanted{window.pos(), std::nullopt};
  retries_ = kRetries;
}

void FrameKeeper::observe(QWidget& window)
{
  const QWindow* native = window.windowHandle();
  const bool normal = inNormalState(window);
  if (!normal && wanted_) retries_ = kRetries;  // the way back is the window manager's first
  if (!normal) onlyEverNormal_ = false;
  if (!normal && native && !native->frameMargins().isNull()) {
    otherStateMargins_ = native->frameMargins();
    staleChecks_ = kStaleChecks;
  }
  if (!native || !native->isExposed() || !window.isVisible() || !normal) return;
  const QMargins margins = native->frameMargins();
  if (margins.isNull()) return;
  // Back from maximised, the frame Qt reports may be the maximised one until
  // the window manager tells the normal one: a place reached by it is not
  // final, or the window would stay too large once the real frame is known.
  // Frames that are alike in both states end the wait after a few looks.
  const bool maybeStale =
      otherStateMargins_ && margins == *otherStateMargins_ && normalMargins_ != margins && staleChecks_-- > 0;
  if (!maybeStale) {
    otherStateMargins_.reset();
    normalMargins_ = margins;
  }
  if (!wanted_) return;
  const QRect frame(wanted_->position, wanted_->frameSize.value_or(window.size().grownBy(margins)));
  if (window.frameGeometry() == frame) {
    // Seen where it belongs with its frame known: from now on the window
    // itself tells where it is. A window manager that keeps moving it
    // elsewhere has the last word after a few tries.
    if (!maybeStale && !window.testAttribute(Qt::WA_PendingMoveEvent)) wanted_.reset();
    return;
  }
  // Places made by a frame that may be stale do not count against the
  // tries: the stale checks bound them.
  if (!maybeStale && retries_-- <= 0) {
    wanted_.reset();
    return;
  }
  place(window, frame, margins, onlyEverNormal_);
}

bool isSizeable(const QWidget& window) { return window.minimumSize() != window.maximumSize(); }

}  // namespace q9x
