#pragma once
// The six exports' work, whatever toolkit shows the windows: the host's record
// becomes the current one, is turned into scoring session calls, and every
// error is shown to the user and answered with the empty answer; nothing is
// served while no statistics window is open.

#include <cstdint>

#include "plugin/PluginFrontEnd.h"
#include "plugin/RecordHost.h"
#include "plugin/q9xcup.h"

namespace q9x::plugin {

class PluginBoundary {
 public:
  explicit PluginBoundary(PluginFrontEnd& frontEnd) : frontEnd_(frontEnd) {}
  PluginBoundary(const PluginBoundary&) = delete;
  PluginBoundary& operator=(const PluginBoundary&) = delete;

  // Opens the statistics window (with rec as the current record) unless one
  // is open, presents it and answers its handle; 0 on any failure.
  std::intptr_t run(const TPluginRecord* rec);
  // The points of the record's contact, -1 for a repeat; 0 with no window.
  std::int32_t score(const TPluginRecord* rec);
  // Counts the record's contact; its points, -1 for a repeat, 0 with no window.
  std::int32_t addQso(const TPluginRecord* rec);
  // The area code the station is expected to send, as a short string; empty
  // with no window.
  void grabNumber(const TPluginRecord* rec, unsigned char result[256]);
  // Releases the statistics window; never fails.
  void release() noexcept;

  // The record of the host's last call; zero-filled at first.
  const TPluginRecord& currentRecord() const { return current_; }

 private:
  // The record becomes the current one; the open session, or null.
  ScoringSession* take(const TPluginRecord* rec);
  template <class Result, class Work>
  Result guarded(Result emptyAnswer, Work&& work) noexcept;

  PluginFrontEnd& frontEnd_;
  TPluginRecord current_{};
  RecordHost host_{current_};
};

// The boundary of the loaded library, over the toolkit it was built with.
PluginBoundary& boundary();

}  // namespace q9x::plugin
