#include "tests/support/ErrorBoxCapture.h"

#include <stdexcept>

namespace q9xtest {

namespace {
q9xkit::ErrorBoxWatcher* capturing = nullptr;
}  // namespace

ErrorBoxCapture::ErrorBoxCapture() { capturing = &watcher_; }

ErrorBoxCapture::~ErrorBoxCapture() { capturing = nullptr; }

QStringList& shownErrors()
{
  if (!capturing) throw std::logic_error("No ErrorBoxCapture lives: the boxes are not captured");
  return capturing->texts();
}

}  // namespace q9xtest
