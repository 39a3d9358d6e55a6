#include "ui/MainForm/win32/MainForm.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/ErrorBox.h"
#include "plugin/q9xcup.h"
#include "ui/domlist/win32/domlist.h"
#include "ui/settings/SettingsText.h"
#include "ui/win32/NoSelection.h"
#include "ui/win32/WindowParts.h"

namespace q9x::win32 {

namespace {
constexpr const char* kClassName = "TfmMainForm";
constexpr const char* kLayoutCaption = "Q9X-CUP-DIGI";
// Posted to the window when its released session has no work on the stack:
// the host's own message loop then destroys it.
constexpr UINT kDestroyMessage = WM_APP + 1;
// Marks the end of one pass over the waiting messages (runPendingEvents).
constexpr UINT kPassEnd = WM_APP + 2;
constexpr int kClientWidth = 328;
constexpr WindowDesign kDesign{kClassName,
                               WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                               WS_EX_TOPMOST,
                               1009,
                               201,
                               kClientWidth,
                               121};
constexpr int kGridHeight = 77;

HINSTANCE classModule = nullptr;

// Windows that exist, released or not: a released one is destroyed by a
// posted message, and whatever is left when the module goes is destroyed then.
std::vector<TfmMainForm*>& liveWindows()
{
  static std::vector<TfmMainForm*> windows;
  return windows;
}
}  // namespace

void TfmMainForm::registerClasses(HINSTANCE module)
{
  if (classModule) return;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  registerWindowClass(module, kClassName, windowProc);
  try {
    TfmDomList::registerClass(module);
  } catch (...) {
    ::UnregisterClassA(kClassName, module);
    throw;
  }
  classModule = module;
}

void TfmMainForm::unregisterClasses()
{
  if (!classModule || !liveWindows().empty()) return;
  TfmDomList::unregisterClass(classModule);
  ::UnregisterClassA(kClassName, classModule);
  classModule = nullptr;
}

TfmMainForm::TfmMainForm(SessionHost& host, const LogReaderFactory& readers, const std::filesystem::path& areaFile)
    : session_(host, *this, readers, areaFile)
{
  hwnd_ = createFramedWindow(kDesign, session_.context().caption + " in " + kLayoutCaption, nullptr, classModule,
                             this, "statistics window");
  liveWindows().push_back(this);
  FormStorage1.attach(hwnd_, kClassName);
  try {
    buildControls();
  } catch (...) {
    destroyWindow();
    throw;
  }
  // A counted contact refreshes the figures at once, as the host expects to
  // see them when its call returns.
  session_.setObserver(this);
}

TfmMainForm::~TfmMainForm() { destroyWindow(); }

void TfmMainForm::destroyWindow() noexcept
{
  session_.setObserver(nullptr);
  std::erase(liveWindows(), this);
  // The area window reads this window's session: it goes first.
  if (areaWindow_) areaWindow_->destroyNow();
  areaWindow_ = nullptr;
  if (hwnd_) {
    FormStorage1.windowDestroying();
    // Nothing of the destruction reaches this object any more.
    ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }
  StringGrid1.release();
  destroyGlyph(recalcGlyph_);
  destroyGlyph(areaGlyph_);
  for (HFONT font : {font_, scoreFont_})
    if (font) ::DeleteObject(font);
  font_ = scoreFont_ = nullptr;
}

bool TfmMainForm::exists(const TfmMainForm* window)
{
  const auto& windows = liveWindows();
  return window && std::find(windows.begin(), windows.end(), window) != windows.end();
}

void TfmMainForm::destroyAll()
{
  while (!liveWindows().empty()) delete liveWindows().back();
}

void TfmMainForm::buildControls()
{
  font_ = pixelFont("MS Sans Serif", 11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS);
  scoreFont_ = pixelFont("Courier", 13, FW_BOLD, FIXED_PITCH | FF_MODERN);
  recalcGlyph_ = createRecalcGlyph();
  areaGlyph_ = createAreaGlyph();
  ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  StringGrid1.create(hwnd_, kClientWidth, kGridHeight, font_);
  Label1 = createControl(hwnd_, "STATIC", "", SS_LEFT | SS_NOPREFIX, 8, kGridHeight, kClientWidth - 8, 16,
                         Q9X_IDC_Label1, scoreFont_);
  // Owner-drawn, as bitmap buttons are: the picture beside the caption.
  BitBtn1 = createControl(hwnd_, "BUTTON", "Recalc", BS_OWNERDRAW, 121, kGridHeight + 18, 102, 25, Q9X_IDC_BitBtn1,
                          font_);
  btnOBL1 = createControl(hwnd_, "BUTTON", "Q9X Area", BS_OWNERDRAW, 224, kGridHeight + 18, 102, 25,
                          Q9X_IDC_btnOBL1, font_);
}

LRESULT CALLBACK TfmMainForm::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
  auto* window = windowObject(hwnd, message, lParam, &TfmMainForm::hwnd_);
  if (!window) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  return handleShowingErrors(hwnd, message, wParam, lParam, [&] { return window->handle(message, wParam, lParam); });
}

LRESULT TfmMainForm::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == Q9X_IDC_BitBtn1) runRecalc();
        else if (LOWORD(wParam) == Q9X_IDC_btnOBL1) reportErrors([this] { btnOBL1Click(); });
        return 0;
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->idFrom == Q9X_IDC_StringGrid1) {
        if (header->code == NM_CUSTOMDRAW) return StringGrid1.draw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
        // No cell is ever selected: a highlighted cell would look like a figure needing attention.
        if (header->code == LVN_ITEMCHANGING) return selects(*reinterpret_cast<NMLISTVIEW*>(lParam));
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.hwndItem != BitBtn1 && item.hwndItem != btnOBL1) break;
      drawGlyphButton(item, item.hwndItem == BitBtn1 ? recalcGlyph_ : areaGlyph_);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) == Label1) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, RGB(0, 0, 255));
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_SYSCOMMAND:
      // The title bar's close command only minimises: the operator keeps the figures.
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        ::ShowWindow(hwnd_, SW_MINIMIZE);
        return 0;
      }
      break;
    case WM_CLOSE:
      // The host closes the window: that is a release. Its place is kept as it was shown.
      FormStorage1.windowClosing();
      ::ShowWindow(hwnd_, SW_HIDE);
      release();
      return 0;
    case kPassEnd:
      // The end of a pass that another message loop (an error box's) ran past.
      return 0;
    case kDestroyMessage:
      delete this;
      return 0;
    default:
      break;
  }
  return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool TfmMainForm::present()
{
  // Showing the window the first time recalculates, which lets events run.
  if (!session_.whileHeld([this] {
        if (::IsWindowVisible(hwnd_)) return;
        // The stored place is taken while the window is hidden; a stored
        // maximised state shows it already.
        FormStorage1.windowShowing();
        if (!::IsWindowVisible(hwnd_)) ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        FormShow();
      }))
    return false;
  ::SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void TfmMainForm::FormShow()
{
  render(view_.writeHeadings());
  runRecalc();
}

void TfmMainForm::runRecalc()
{
  reportErrors([this] { session_.recalculate(); });
}

void TfmMainForm::render(StatisticsView::Changes changes)
{
  StringGrid1.show(changes.cells);
  if (changes.scoreLine) ::SetWindowTextA(Label1, view_.scoreLine().c_str());
}

void TfmMainForm::runPendingEvents()
{
  // One pass over the messages that wait now, as the host's own loop would
  // run them. A marker posted behind them ends the pass: messages posted
  // while it runs wait for the next pass or the host's loop, so a host that
  // posts a message from every message it handles cannot keep it going.
  const WPARAM pass = ++passes_;
  const bool marked = ::PostMessageA(hwnd_, kPassEnd, pass, 0) != FALSE;
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The host's loop is asked to end: the request stays for it to see.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (marked && msg.hwnd == hwnd_ && msg.message == kPassEnd && msg.wParam == pass) {
      // Timer messages are made only when no posted one waits, so the marker
      // would hold back the host's timers for the whole recalculation: one
      // that is due runs now, as the host's loop would run it next.
      if (::PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) ::DispatchMessageA(&msg);
      return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

void TfmMainForm::destroyLater()
{
  if (destructionPosted_) return;
  destructionPosted_ = ::PostMessageA(hwnd_, kDestroyMessage, 0, 0) != FALSE;
}

void TfmMainForm::changed(const SessionChange& change)
{
  if (change.recounting) {
    render(view_.clearFigures());
    // The worked codes are about to be counted again: the area window reads its marks afresh.
    if (areaWindow_) areaWindow_->workedCleared();
  }
  if (change.band && areaWindow_) areaWindow_->SelectBand(change.band);
  if (change.figures) render(view_.showFigures(session_.engine().stats()));
  if (change.commands) showCommands();
}

void TfmMainForm::showCommands()
{
  ::EnableWindow(BitBtn1, session_.recalcEnabled());
  if (!session_.isReleased()) return;
  // Nothing is served from now on; the area window stays up as long as its owner.
  ::EnableWindow(btnOBL1, FALSE);
  if (areaWindow_) areaWindow_->ownerReleased();
}

int TfmMainForm::currentBand() const
{
  // A load leaves the stored text; a band chosen since is a number.
  return textToInt(storedText(FormStorage1.ValueByName("CurrentBand")), 0);
}

void TfmMainForm::btnOBL1Click()
{
  if (areaWindow_) return;
  session_.whileHeld([this] {
    areaWindow_ = new TfmDomList(hwnd_, session_, currentBand(),
                                 {.bandSelected = [this](int band) { FormStorage1.SetValueByName("CurrentBand", band); },
                                  .closed = [this] { areaWindow_ = nullptr; }});
    areaWindow_->show();
  });
}

}  // namespace q9x::win32
