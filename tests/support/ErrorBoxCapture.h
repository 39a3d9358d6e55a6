#pragma once
// Error boxes the plug-in shows during a test: each is recorded and closed as
// soon as it appears, so that no test waits on a modal box.

#include <QStringList>

#include "hostkit/ErrorBoxWatcher.h"

namespace q9xtest {

// Captures the boxes while it lives; every program that loads the plug-in
// holds one while its tests run.
class ErrorBoxCapture {
 public:
  ErrorBoxCapture();
  ~ErrorBoxCapture();
  ErrorBoxCapture(const ErrorBoxCapture&) = delete;
  ErrorBoxCapture& operator=(const ErrorBoxCapture&) = delete;

 private:
  q9xkit::ErrorBoxWatcher watcher_;
};

// The texts of the boxes shown so far; tests clear it between cases. Throws
// std::logic_error while no ErrorBoxCapture lives.
QStringList& shownErrors();

}  // namespace q9xtest
