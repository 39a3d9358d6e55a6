#pragma once
// What a scoring session needs of the toolkit that shows it: running the
// events that wait (the host's calls among them) and destroying the session's
// owner once nothing of it is on the stack any more.

#include <string>

namespace q9x {

// What changed, in one notification: a counted contact, a recalculation's
// start or end, a release. The window reads the session's values for the
// parts that are set.
struct SessionChange {
  // The figures were emptied for a new count: none are shown (neither the
  // grid's nor the score line's) until it has counted.
  bool recounting = false;
  // The figures changed: a contact was counted, or a log scan ended (also by an error).
  bool figures = false;
  // Band n (1 to 9) was selected, 0 when none.
  int band = 0;
  // recalcEnabled() or isReleased() changed.
  bool commands = false;
};

class SessionObserver {
 public:
  virtual ~SessionObserver() = default;
  virtual void changed(const SessionChange& change) = 0;
};

class SessionFrontEnd {
 public:
  virtual ~SessionFrontEnd() = default;

  // Lets the events that wait run once. The host may call any export,
  // release the plug-in, destroy the session's owner or close its database
  // from them.
  virtual void runPendingEvents() = 0;

  // The session was released and none of its work is on the stack: destroy
  // its owner once control returns to the event loop (not now: the caller is
  // still inside it).
  virtual void destroyLater() = 0;
};

}  // namespace q9x
