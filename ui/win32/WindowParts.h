#pragma once
// What both windows are built from: their window class, a framed top-level
// window of a designed client size, child controls in a font, pixel fonts,
// and the window procedure's way from a handle to the window's object with
// every error of a window event shown in the error box.

#include <windows.h>

#include <string>

#include "platform/win32/ErrorBox.h"

namespace q9x::win32 {

// Registers the module's class with an arrow cursor on the button face;
// throws naming the class when the system refuses it.
void registerWindowClass(HINSTANCE module, const char* className, WNDPROC windowProc);

// A top-level window as designed: the client area of this size, the frame
// around it with its top-left corner at this place.
struct WindowDesign {
  const char* className;
  DWORD style;
  DWORD exStyle;
  int left, top, clientWidth, clientHeight;
};

// Creates the window hidden, owned by owner (may be null), self being the
// object windowObject finds; throws "Cannot create the <what>".
HWND createFramedWindow(const WindowDesign& design, const std::string& caption, HWND owner, HINSTANCE module,
                        void* self, const char* what);

// A visible child control with this ID, in this font, of its parent's
// module; throws naming the control's class when it cannot be made.
HWND createControl(HWND parent, const char* windowClass, const char* text, DWORD style, int x, int y, int width,
                   int height, int id, HFONT font);

// The named face where the system has it; else the font mapper's nearest of
// the same kind (pitchAndFamily), not whatever face it would pick first.
HFONT pixelFont(const char* face, int pixels, int weight, BYTE pitchAndFamily);

// The object a window of createFramedWindow belongs to, or null before
// WM_NCCREATE and once it is detached (user data 0). At WM_NCCREATE the
// object learns its handle, before CreateWindowEx returns it.
template <class Window>
Window* windowObject(HWND hwnd, UINT message, LPARAM lParam, HWND Window::*handle)
{
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->*handle = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  return reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// The message handled by handle(); when it raises an error, the error is
// shown and the message gets the default handling. Nothing a window event
// raises reaches the host's message loop.
template <class Handle>
LRESULT handleShowingErrors(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Handle&& handle)
{
  LRESULT result = 0;
  bool handled = false;
  reportErrors([&] {
    result = handle();
    handled = true;
  });
  return handled ? result : ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace q9x::win32
