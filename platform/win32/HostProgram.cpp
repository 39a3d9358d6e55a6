#include "platform/win32/HostProgram.h"

#include <windows.h>

#include "platform/win32/HostText.h"

namespace q9x {

namespace {
// The host executable's full path; long paths grow the buffer until they fit.
std::filesystem::path hostExecutable()
{
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}
}  // namespace

std::string hostProgramName() { return toHostText(hostExecutable().stem().wstring()); }

std::filesystem::path areaFilePath() { return hostExecutable().parent_path() / L"Plugins" / L"Q9XCup.dom"; }

}  // namespace q9x
