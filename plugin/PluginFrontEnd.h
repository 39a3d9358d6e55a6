#pragma once
// What the six exports need of the toolkit that shows the statistics window:
// creating, presenting and releasing it, finding its scoring session, and
// telling the user about an error.

#include <cstdint>
#include <string>

#include "session/ScoringSession.h"
#include "session/SessionHost.h"

namespace q9x::plugin {

class PluginFrontEnd {
 public:
  virtual ~PluginFrontEnd() = default;

  // The open statistics window's scoring session; null when no window is
  // open or it was released.
  virtual ScoringSession* session() = 0;

  // Creates the statistics window (none is open), reading the host's call
  // through host, which outlives it. Throws when it cannot.
  virtual void createWindow(SessionHost& host) = 0;

  // Shows the open window when it is hidden (its first showing recalculates)
  // and raises it: its handle for the host, or 0 when there is none or it
  // was released meanwhile (showing lets events run).
  virtual std::intptr_t present() = 0;

  // Releases the open window, if any; it is destroyed once nothing of it is
  // on the stack.
  virtual void release() = 0;

  // Tells the user; the text is the host's 8-bit code page. Never throws.
  virtual void showError(const std::string& text) = 0;
};

}  // namespace q9x::plugin
