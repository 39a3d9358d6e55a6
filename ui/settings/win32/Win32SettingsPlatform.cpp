#include "ui/settings/win32/Win32SettingsPlatform.h"

#include <windows.h>

#include "platform/win32/HostProgram.h"
#include "ui/settings/win32/RegistryStore.h"

namespace q9x {

namespace {

ScreenSize primaryScreenSize() { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

int primaryScreenPixelsPerInch()
{
  HDC screen = ::GetDC(nullptr);
  if (!screen) return 96;
  const int pixelsPerInch = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return pixelsPerInch;
}

BOOL CALLBACK addWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas)
{
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (::GetMonitorInfoA(monitor, &info))
    reinterpret_cast<std::vector<RECT>*>(areas)->push_back(info.rcWork);
  return TRUE;
}

// The monitors' work areas in the coordinates of a top-level window's
// placement record: relative to the primary monitor's work area.
std::vector<PlacementRect> workAreas()
{
  std::vector<RECT> areas;
  ::EnumDisplayMonitors(nullptr, nullptr, addWorkArea, reinterpret_cast<LPARAM>(&areas));
  RECT primary{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &primary, 0);
  std::vector<PlacementRect> placed;
  for (const RECT& a : areas)
    placed.push_back({a.left - primary.left, a.top - primary.top, a.right - primary.left, a.bottom - primary.top});
  return placed;
}

std::string hostProgram() { return hostProgramName(); }

}  // namespace

SettingsPlatform win32SettingsPlatform()
{
  return {&hostProgram, &primaryScreenSize, &primaryScreenPixelsPerInch, &workAreas, &openRegistryStore};
}

const SettingsPlatform& win32PlatformInUse()
{
  if (!settingsPlatform().openStore) setSettingsPlatform(win32SettingsPlatform());
  return settingsPlatform();
}

}  // namespace q9x
