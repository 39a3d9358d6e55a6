#include "platform/win32/ErrorBox.h"

#include <windows.h>

#include "platform/win32/HostProgram.h"

namespace q9x {

namespace {
bool unloading = false;
}  // namespace

void holdErrorBoxesForUnload() noexcept { unloading = true; }

void reportError(const std::string& text) noexcept
{
  if (unloading) return;
  try {
    const std::string title = hostProgramName();
    ::MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_ICONERROR | MB_OK);
  } catch (...) {
    // Out of memory for the title: a box without one still tells the user.
    ::MessageBoxA(nullptr, text.c_str(), nullptr, MB_ICONERROR | MB_OK);
  }
}

}  // namespace q9x
