#pragma once
// The one way the Windows build tells the user about an error: the standard
// error box with its OK button, titled with the host program's name.

#include <exception>
#include <string>

namespace q9x {

// Shows the text (the host's code page) and waits for OK; never throws.
void reportError(const std::string& text) noexcept;

// From now on errors are not shown: the loader is unloading the DLL and holds
// its lock, under which no error box (a message loop of its own) may run.
void holdErrorBoxesForUnload() noexcept;

// Runs a window event's work and reports any error it raises, so that the
// window carries on.
template <class Work>
void reportErrors(Work&& work) noexcept
{
  try {
    work();
  } catch (const std::exception& e) {
    reportError(e.what());
  } catch (...) {
    reportError("Unknown error");
  }
}

}  // namespace q9x
