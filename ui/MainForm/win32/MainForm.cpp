#include "ui/MainForm/win32/MainForm.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/ErrorBox.h"
#include "plugin/q9xcup.h"
#include "ui/domlist/win32/domlist.h"
#include "ui/settings/SettingsText.h"
#include "ui/win32/NoSelection.h"

namespace q9x::win32 {

namespace {
constexpr const char* kClassName = "TfmMainForm";
constexpr const char* kLayoutCaption = "Q9X-CUP-DIGI";
// Posted to the window when its released session has no work on the stack:
// the host's own message loop then destroys it.
constexpr UINT kDestroyMessage = WM_APP + 1;
// Marks the end of one pass over the waiting messages (runPendingEvents).
constexpr UINT kPassEnd = WM_APP + 2;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOPMOST;
constexpr int kClientWidth = 328;
constexpr int kClientHeight = 121;
constexpr int kGridHeight = 77;
constexpr int kColumnWidth = 64;
constexpr int kRowHeight = 17;
constexpr COLORREF kGridColour = RGB(253, 255, 206);
constexpr COLORREF kGridLineColour = RGB(192, 192, 192);

HINSTANCE classModule = nullptr;

// Windows that exist, released or not: a released one is destroyed by a
// posted message, and whatever is left when the module goes is destroyed then.
std::vector<TfmMainForm*>& liveWindows()
{
  static std::vector<TfmMainForm*> windows;
  return windows;
}

// The named face where the system has it; else the font mapper's nearest of
// the same kind (pitchAndFamily), not whatever face it would pick first.
HFONT pixelFont(const char* face, int pixels, int weight, BYTE pitchAndFamily)
{
  return ::CreateFontA(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily, face);
}

HWND child(HWND parent, const char* windowClass, const char* text, DWORD style, int x, int y, int width,
           int height, int id, HFONT font)
{
  HWND hwnd = ::CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), classModule, nullptr);
  if (!hwnd) throw std::runtime_error("Cannot create the window's control " + std::string(windowClass));
  ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return hwnd;
}
}  // namespace

void TfmMainForm::registerClasses(HINSTANCE module)
{
  if (classModule) return;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = windowProc;
  wc.hInstance = module;
  wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  if (!::RegisterClassExA(&wc)) throw std::runtime_error("Cannot register the window class TfmMainForm");
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
  // The client area of the designed size, the frame around it at the designed place.
  RECT frame{0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const std::string caption = session_.context().caption + " in " + kLayoutCaption;
  hwnd_ = ::CreateWindowExA(kExStyle, kClassName, caption.c_str(), kStyle, 1009, 201, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, classModule, this);
  if (!hwnd_) throw std::runtime_error("Cannot create the statistics window");
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
  if (rowHeight_) ::ImageList_Destroy(rowHeight_);
  rowHeight_ = nullptr;
  destroyGlyph(recalcGlyph_);
  destroyGlyph(areaGlyph_);
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(scoreFont_),
                         static_cast<HGDIOBJ>(gridBrush_)})
    if (object) ::DeleteObject(object);
  font_ = scoreFont_ = nullptr;
  gridBrush_ = nullptr;
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
  gridBrush_ = ::CreateSolidBrush(kGridColour);
  ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

  // The grid only shows figures: no headers, no selection, no scrolling.
  StringGrid1 = child(hwnd_, WC_LISTVIEWA, "",
                      LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER | LVS_SINGLESEL | LVS_SHAREIMAGELISTS, 0, 0,
                      kClientWidth, kGridHeight, Q9X_IDC_StringGrid1, font_);
  ::SendMessageA(StringGrid1, LVM_SETBKCOLOR, 0, kGridColour);
  ::SendMessageA(StringGrid1, LVM_SETTEXTBKCOLOR, 0, kGridColour);
  // A report view's rows are as high as its small images and one pixel of
  // padding; the list is this window's to destroy (LVS_SHAREIMAGELISTS).
  rowHeight_ = ::ImageList_Create(1, kRowHeight - 1, ILC_COLOR, 1, 0);
  ::SendMessageA(StringGrid1, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowHeight_));
  for (int column = 0; column < StatisticsView::kColumns; ++column) {
    LVCOLUMNA lvc{};
    lvc.mask = LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    lvc.fmt = LVCFMT_CENTER;
    lvc.cx = kColumnWidth;
    lvc.iSubItem = column;
    ::SendMessageA(StringGrid1, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&lvc));
  }
  for (int row = 0; row < StatisticsView::kRows; ++row) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>("");
    ::SendMessageA(StringGrid1, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }

  Label1 = child(hwnd_, "STATIC", "", SS_LEFT | SS_NOPREFIX, 8, kGridHeight, kClientWidth - 8, 16, Q9X_IDC_Label1,
                 scoreFont_);
  // Owner-drawn, as bitmap buttons are: the picture beside the caption.
  BitBtn1 = child(hwnd_, "BUTTON", "Recalc", BS_OWNERDRAW, 121, kGridHeight + 18, 102, 25, Q9X_IDC_BitBtn1, font_);
  btnOBL1 = child(hwnd_, "BUTTON", "Q9X Area", BS_OWNERDRAW, 224, kGridHeight + 18, 102, 25, Q9X_IDC_btnOBL1, font_);
}

LRESULT CALLBACK TfmMainForm::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    // The handle is known from the first message on, before CreateWindowEx returns it.
    static_cast<TfmMainForm*>(create->lpCreateParams)->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* window = reinterpret_cast<TfmMainForm*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  // Nothing a window event raises reaches the host's message loop.
  LRESULT result = 0;
  bool handled = false;
  reportErrors([&] {
    result = window->handle(message, wParam, lParam);
    handled = true;
  });
  return handled ? result : ::DefWindowProcA(hwnd, message, wParam, lParam);
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
        if (header->code == NM_CUSTOMDRAW) return drawGrid(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
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

LRESULT TfmMainForm::drawGrid(NMLVCUSTOMDRAW& draw)
{
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      // Every cell of the row drawn here: the grid's own colour, silver lines
      // at its right and bottom, the text centred at its top.
      const int row = static_cast<int>(draw.nmcd.dwItemSpec);
      RECT bounds{};
      bounds.left = LVIR_BOUNDS;
      ::SendMessageA(StringGrid1, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
      HDC dc = draw.nmcd.hdc;
      HPEN pen = ::CreatePen(PS_SOLID, 1, kGridLineColour);
      HGDIOBJ oldPen = ::SelectObject(dc, pen);
      HGDIOBJ oldFont = ::SelectObject(dc, font_);
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, RGB(0, 0, 0));
      for (int column = 0; column < StatisticsView::kColumns; ++column) {
        RECT cell{bounds.left + column * kColumnWidth, bounds.top, bounds.left + (column + 1) * kColumnWidth,
                  bounds.bottom};
        ::FillRect(dc, &cell, gridBrush_);
        ::MoveToEx(dc, cell.right - 1, cell.top, nullptr);
        ::LineTo(dc, cell.right - 1, cell.bottom - 1);
        ::LineTo(dc, cell.left - 1, cell.bottom - 1);
        const std::string& text = view_.text(column, row);
        RECT inner{cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 1};
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inner,
                    DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
      }
      ::SelectObject(dc, oldFont);
      ::SelectObject(dc, oldPen);
      ::DeleteObject(pen);
      return CDRF_SKIPDEFAULT;
    }
    default:
      return CDRF_DODEFAULT;
  }
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
  // Only the changed cells are set and repainted: a contact touches a few of them.
  for (StatisticsView::Cells cells = changes.cells; cells != 0; cells &= cells - 1) {
    const int bit = std::countr_zero(cells);
    const int column = bit % StatisticsView::kColumns;
    const int row = bit / StatisticsView::kColumns;
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(view_.text(column, row).c_str());
    ::SendMessageA(StringGrid1, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
  if (changes.cells != 0) ::UpdateWindow(StringGrid1);
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
