#include "ui/settings/win32/Win32SettingsWindow.h"

namespace q9x {

namespace {

DWORD styleOf(HWND window) { return static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_STYLE)); }

}  // namespace

bool Win32SettingsWindow::exists() const { return window_ && ::IsWindow(window_); }

bool Win32SettingsWindow::isVisible() const { return exists() && ::IsWindowVisible(window_); }

bool Win32SettingsWindow::isSizeable() const { return exists() && (styleOf(window_) & WS_THICKFRAME); }

WindowPlacement Win32SettingsWindow::placement() const
{
  WINDOWPLACEMENT native{};
  native.length = sizeof(native);
  WindowPlacement p;
  if (!exists() || !::GetWindowPlacement(window_, &native)) return p;
  p.flags = static_cast<int>(native.flags);
  p.showCmd = static_cast<int>(native.showCmd);
  p.minPosition = {native.ptMinPosition.x, native.ptMinPosition.y};
  p.maxPosition = {native.ptMaxPosition.x, native.ptMaxPosition.y};
  const RECT& r = native.rcNormalPosition;
  p.normalPosition = {r.left, r.top, r.right, r.bottom};
  return p;
}

void Win32SettingsWindow::setPlacement(const WindowPlacement& p)
{
  if (!exists()) return;
  WINDOWPLACEMENT native{};
  native.length = sizeof(native);
  native.flags = static_cast<UINT>(p.flags);
  native.showCmd = static_cast<UINT>(p.showCmd);
  native.ptMinPosition = {p.minPosition.x, p.minPosition.y};
  native.ptMaxPosition = {p.maxPosition.x, p.maxPosition.y};
  native.rcNormalPosition = {p.normalPosition.left, p.normalPosition.top, p.normalPosition.right,
                             p.normalPosition.bottom};
  ::SetWindowPlacement(window_, &native);
}

PlacementPoint Win32SettingsWindow::frameThickness() const
{
  if (!exists()) return {};
  const DWORD style = styleOf(window_);
  if (style & WS_THICKFRAME) return {::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME)};
  if (style & WS_BORDER) return {::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER)};
  return {};
}

void Win32SettingsWindow::setState(WindowState state)
{
  if (!exists()) return;
  if (state == WindowState::Maximized) {
    if (!::IsZoomed(window_)) ::ShowWindow(window_, SW_SHOWMAXIMIZED);
  } else if (::IsZoomed(window_) || ::IsIconic(window_)) {
    ::ShowWindow(window_, SW_RESTORE);
  }
}

// The plug-in has no application window of its own: the minimise command
// goes to the thread's queue, where the host's loop takes it, and the
// window itself stays normal.
void Win32SettingsWindow::minimiseApplication() { ::PostMessageA(nullptr, WM_SYSCOMMAND, SC_MINIMIZE, 0); }

void Win32SettingsWindow::refresh()
{
  if (exists()) ::InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace q9x
