#include "tests/win32/DllHost.h"

#include <commctrl.h>

#include <algorithm>
#include <deque>
#include <stdexcept>

namespace q9xtest {

namespace {
template <class Function>
Function find(const char* name)
{
  auto* address = ::GetProcAddress(plugin(), name);
  if (!address) throw std::runtime_error(std::string("The DLL does not export ") + name);
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

void setShort(TShortString& field, const std::string& text) { q9x::writeShort(field, text); }

// A message-only window whose messages run the posted work.
constexpr UINT kWork = WM_APP + 7;
std::deque<std::function<void()>> pendingWork;

LRESULT CALLBACK workProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message != kWork) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  std::function<void()> work = std::move(pendingWork.front());
  pendingWork.pop_front();
  work();
  return 0;
}

HWND workWindow()
{
  static HWND hwnd = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = workProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "Q9xTestHostWork";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  }();
  return hwnd;
}
}  // namespace

HMODULE plugin()
{
  static HMODULE module = [] {
    HMODULE loaded = ::LoadLibraryA("q9xcup.dll");
    if (!loaded) throw std::runtime_error("q9xcup.dll cannot be loaded");
    return loaded;
  }();
  return module;
}

const Exports& exports()
{
  static const Exports found{find<q9x_grab_number_fn>("_GrabNumber"), find<q9x_release_fn>("_Release"),
                             find<q9x_get_score_fn>("_GetScore"),     find<q9x_add_qso_fn>("_AddQSO"),
                             find<q9x_run_fn>("_Run"),                find<q9x_get_info_fn>("_GetInfo")};
  return found;
}

TPluginRecord record(std::int32_t connection, const std::string& table, const Contact& contact)
{
  TPluginRecord rec{};
  rec.Connection = connection;
  setShort(rec.TableName, table);
  setShort(rec.CaptionText, "Test host");
  setShort(rec.MyMainPrefix, "UA3A");
  setShort(rec.CallSign, contact.call);
  setShort(rec.DigiBand, contact.band);
  setShort(rec.QSOMode, contact.mode);
  setShort(rec.Continent, contact.continent);
  setShort(rec.QSOReportRecived, contact.report);
  setShort(rec.MainPrefix, contact.mainPrefix);
  setShort(rec.DXCCPrefix, contact.dxcc);
  return rec;
}

void pumpMessages()
{
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

void postToHost(std::function<void()> work, bool secondPass)
{
  if (secondPass) work = [work = std::move(work)] { postToHost(work); };
  pendingWork.push_back(std::move(work));
  ::PostMessageA(workWindow(), kWork, 0, 0);
}

std::string itemText(HWND list, int item, int subItem)
{
  char buffer[512] = {};
  LVITEMA lvi{};
  lvi.iSubItem = subItem;
  lvi.pszText = buffer;
  lvi.cchTextMax = sizeof(buffer);
  ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
  return buffer;
}

int itemCount(HWND list) { return static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

std::string windowText(HWND hwnd)
{
  char buffer[512] = {};
  ::GetWindowTextA(hwnd, buffer, sizeof(buffer));
  return buffer;
}

HWND findOwnWindow(const char* windowClass, HWND after)
{
  for (HWND hwnd = ::FindWindowExA(nullptr, after, windowClass, nullptr); hwnd;
       hwnd = ::FindWindowExA(nullptr, hwnd, windowClass, nullptr)) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    if (process == ::GetCurrentProcessId()) return hwnd;
  }
  return nullptr;
}

ErrorBoxes::ErrorBoxes() : watcher_([this] { watch(); }) {}

ErrorBoxes::~ErrorBoxes()
{
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  watcher_.join();
}

std::vector<ErrorBoxes::Box> ErrorBoxes::shown()
{
  std::lock_guard lock(mutex_);
  return boxes_;
}

void ErrorBoxes::watch()
{
  const DWORD process = ::GetCurrentProcessId();
  // Boxes answered already but perhaps not yet gone.
  std::vector<HWND> answered;
  for (;;) {
    std::erase_if(answered, [](HWND box) { return !::IsWindow(box); });
    {
      std::lock_guard lock(mutex_);
      if (stop_) return;
    }
    for (HWND box = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); box;
         box = ::FindWindowExA(nullptr, box, "#32770", nullptr)) {
      DWORD owner = 0;
      ::GetWindowThreadProcessId(box, &owner);
      if (owner != process || std::find(answered.begin(), answered.end(), box) != answered.end()) continue;
      // The box's text is its static control 0xFFFF.
      Box seen{windowText(box), windowText(::GetDlgItem(box, 0xFFFF))};
      ::PostMessageA(box, WM_COMMAND, IDOK, 0);
      answered.push_back(box);
      std::lock_guard lock(mutex_);
      boxes_.push_back(std::move(seen));
    }
    ::Sleep(5);
  }
}

}  // namespace q9xtest
