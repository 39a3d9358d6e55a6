#include "ui/settings/qt/FrameKeeper.h"

#include <QPointer>
#include <QScopedValueRollback>
#include <QTimer>
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
// frame.size(), with the frame's margins as far as they are known. With the
// frame known, a placement is one request, for the client area: after a
// client-area move and a frame move in a row, openbox was seen to take
// either as the other kind now and then, and the window stayed off by its
// frame.
void place(QWidget& window, const QRect& frame, const QMargins& margins)
{
  const QSize client = isSizeable(window) ? frame.size().shrunkBy(margins) : window.size();
  QWindow* native = window.windowHandle();
  if (native && !margins.isNull()) {
    // The frame is known: the client area goes inside the frame wanted.
    window.setGeometry(QRect(frame.topLeft() + QPoint(margins.left(), margins.top()), client));
    return;
  }
  // The size first: a later resize would send the client position again.
  window.resize(client);
  // A top-level widget's position is that of its frame. Until the window
  // manager tells the frame, the native window must be told so too, or its
  // window manager puts the client area there. Such a window is not mapped
  // yet, and the window manager places it once, as it maps it.
  window.move(frame.topLeft());
  if (native) native->setFramePosition(frame.topLeft());
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
  const QScopedValueRollback<bool> requesting(placing_, true);
  place(window, frame, current.isNull() ? normalMargins_.value_or(current) : current);
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
  if (placing_) return;
  const QWindow* native = window.windowHandle();
  const bool normal = inNormalState(window);
  if (!normal && wanted_) retries_ = kRetries;  // the way back is the window manager's first
  if (!normal && native && !native->frameMargins().isNull()) {
    otherStateMargins_ = native->frameMargins();
    staleChecks_ = kStaleChecks;
  }
  if (!native || !normal) return;
  const QMargins margins = native->frameMargins();
  if (margins.isNull()) return;
  // A frame told before the window shows and before any other state is the
  // normal one (a platform whose frames are fixed tells it at once).
  if (!otherStateMargins_ && !normalMargins_) normalMargins_ = margins;
  if (!native->isExposed() || !window.isVisible()) return;
  // Back from maximised, the frame Qt reports may be the maximised one until
  // the window manager tells the normal one. Frames that are alike in both
  // states end the wait after a few looks.
  const bool maybeStale =
      otherStateMargins_ && margins == *otherStateMargins_ && normalMargins_ != margins && staleChecks_-- > 0;
  if (!maybeStale) {
    otherStateMargins_.reset();
    normalMargins_ = margins;
  }
  if (!wanted_) return;
  if (maybeStale) {
    // The window manager may tell the normal frame without moving the
    // window, and then nothing else calls here: another look follows.
    QTimer::singleShot(kStaleLookInterval, &looks_, [this, target = QPointer<QWidget>(&window)] {
      if (target) observe(*target);
    });
    // A place reached by a stale frame would take a second request once the
    // real frame is known, and the window manager may answer the first after
    // the second's answer has been taken for final: the place waits for the
    // real frame, unless the normal frame is known from before.
    if (!normalMargins_) return;
  }
  const QMargins assumed = maybeStale ? *normalMargins_ : margins;
  const QRect frame(wanted_->position, wanted_->frameSize.value_or(window.size().grownBy(assumed)));
  // Judged by the client area and the frame as read here: the widget's own
  // idea of its frame follows the window manager's news later.
  const QRect now = window.geometry().marginsAdded(assumed);
  if (now == frame) {
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
  const QScopedValueRollback<bool> requesting(placing_, true);
  place(window, frame, assumed);
}

bool isSizeable(const QWidget& window) { return window.minimumSize() != window.maximumSize(); }

}  // namespace q9x
