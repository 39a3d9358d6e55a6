#pragma once
// A host of the DLL for tests under Wine: the DLL loaded as a logger loads
// it, records built from plain texts, the host's message loop run once,
// messages posted to run host code from inside the plug-in's pending-message
// pass, the windows' controls read back, and the error boxes captured.

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "plugin/q9xcup.h"

namespace q9xtest {

struct Exports {
  q9x_grab_number_fn GrabNumber = nullptr;
  q9x_release_fn Release = nullptr;
  q9x_get_score_fn GetScore = nullptr;
  q9x_add_qso_fn AddQSO = nullptr;
  q9x_run_fn Run = nullptr;
  q9x_get_info_fn GetInfo = nullptr;
};

// q9xcup.dll beside the test program, loaded once for the whole program.
HMODULE plugin();
// The six functions found by name.
const Exports& exports();

// A contact on the host's log connection and table.
struct Contact {
  std::string call, band, mode = "CW", continent = "EU", report, mainPrefix, dxcc;
};
TPluginRecord record(std::int32_t connection, const std::string& table, const Contact& contact = {});

// Runs the host's message loop until its queue is empty.
void pumpMessages();
// Runs work from the message loop: the next pass over the queue, or the pass
// after that (the second a recalculation lets run, once the log is open).
void postToHost(std::function<void()> work, bool secondPass = false);

// The text of a list view's item (row) and subitem (column).
std::string itemText(HWND list, int item, int subItem = 0);
int itemCount(HWND list);
std::string windowText(HWND hwnd);
// A top-level window of the class in this process (tests run side by side
// on one Wine desktop), after the given one; null when there is none.
HWND findOwnWindow(const char* windowClass, HWND after = nullptr);

// Error boxes of this process, answered with OK as they appear.
class ErrorBoxes {
 public:
  ErrorBoxes();
  ~ErrorBoxes();
  struct Box {
    std::string title, text;
  };
  std::vector<Box> shown();

 private:
  void watch();
  std::mutex mutex_;
  std::vector<Box> boxes_;
  bool stop_ = false;
  std::thread watcher_;
};

}  // namespace q9xtest
