#include "ui/win32/WindowParts.h"

#include <stdexcept>

namespace q9x::win32 {

void registerWindowClass(HINSTANCE module, const char* className, WNDPROC windowProc)
{
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = windowProc;
  wc.hInstance = module;
  wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  if (!::RegisterClassExA(&wc)) throw std::runtime_error(std::string("Cannot register the window class ") + className);
}

HWND createFramedWindow(const WindowDesign& design, const std::string& caption, HWND owner, HINSTANCE module,
                        void* self, const char* what)
{
  RECT frame{0, 0, design.clientWidth, design.clientHeight};
  ::AdjustWindowRectEx(&frame, design.style, FALSE, design.exStyle);
  HWND hwnd = ::CreateWindowExA(design.exStyle, design.className, caption.c_str(), design.style, design.left,
                                design.top, frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                                module, self);
  if (!hwnd) throw std::runtime_error(std::string("Cannot create the ") + what);
  return hwnd;
}

HWND createControl(HWND parent, const char* windowClass, const char* text, DWORD style, int x, int y, int width,
                   int height, int id, HFONT font)
{
  const auto module = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  HWND hwnd = ::CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module, nullptr);
  if (!hwnd) throw std::runtime_error(std::string("Cannot create the window's control ") + windowClass);
  ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return hwnd;
}

HFONT pixelFont(const char* face, int pixels, int weight, BYTE pitchAndFamily)
{
  return ::CreateFontA(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily, face);
}

}  // namespace q9x::win32
