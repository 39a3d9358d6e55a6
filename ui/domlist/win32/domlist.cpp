#include "ui/domlist/win32/domlist.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "engine/Bands.h"
#include "platform/win32/ErrorBox.h"
#include "plugin/q9xcup.h"
#include "ui/domlist/BandButtonRow.h"
#include "ui/win32/NoSelection.h"

namespace q9x::win32 {

namespace {
constexpr const char* kClassName = "TfmDomList";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOPMOST;
constexpr int kPanelHeight = 18;
constexpr int kSplitterHeight = 3;

int buttonId(int band) { return Q9X_IDC_RzBitBtn1 + band - 1; }

// The captions in the order of the system's own comparison, as the host's
// lists sort them: letter case counting, by the user's locale.
class SystemCaptionOrder final : public CaptionOrder {
 public:
  void take(const std::vector<std::string>& captions) override { captions_ = &captions; }
  int compare(std::size_t a, std::size_t b) const override
  {
    return ::lstrcmpA((*captions_)[a].c_str(), (*captions_)[b].c_str());
  }

 private:
  const std::vector<std::string>* captions_ = nullptr;
};

// Where the face is missing, the mapper's nearest proportional sans serif.
HFONT sansSerif11(int weight)
{
  return ::CreateFontA(-11, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
}

HINSTANCE module(HWND hwnd) { return reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(hwnd, GWLP_HINSTANCE)); }
}  // namespace

void TfmDomList::registerClass(HINSTANCE module)
{
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = windowProc;
  wc.hInstance = module;
  wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  if (!::RegisterClassExA(&wc)) throw std::runtime_error("Cannot register the window class TfmDomList");
}

void TfmDomList::unregisterClass(HINSTANCE module) { ::UnregisterClassA(kClassName, module); }

TfmDomList::TfmDomList(HWND owner, const ScoringSession& session, int storedBand, Callbacks callbacks)
    : session_(session), callbacks_(std::move(callbacks)), storedBand_(storedBand)
{
  // The client area of the designed size, the frame around it at the designed place.
  RECT frame{0, 0, 327, 141};
  ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  hwnd_ = ::CreateWindowExA(kExStyle, kClassName, "Q9X Area", kStyle, 1017, 288, frame.right - frame.left,
                            frame.bottom - frame.top, owner, nullptr, module(owner), this);
  if (!hwnd_) throw std::runtime_error("Cannot create the area window");
  FormStorage1.attach(hwnd_, kClassName);
  try {
    buildControls();
    FormCreate();
  } catch (...) {
    // Not yet the window's own: its destruction must not delete this object.
    ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
    deleteFonts();
    throw;
  }
}

TfmDomList::~TfmDomList() { deleteFonts(); }

void TfmDomList::deleteFonts() noexcept
{
  if (font_) ::DeleteObject(font_);
  if (boldFont_) ::DeleteObject(boldFont_);
  font_ = boldFont_ = nullptr;
}

void TfmDomList::destroyNow()
{
  // WM_NCDESTROY deletes this object.
  ::DestroyWindow(hwnd_);
}

void TfmDomList::buildControls()
{
  font_ = sansSerif11(FW_NORMAL);
  boldFont_ = sansSerif11(FW_BOLD);
  const HINSTANCE instance = module(hwnd_);
  for (std::size_t k = 0; k < kBandButtonOrder.size(); ++k) {
    const int band = kBandButtonOrder[k];
    const std::string caption(BandNames[static_cast<std::size_t>(band - 1)]);
    // Push-like radio buttons: one shown pressed, set by the window, not by the click.
    HWND button = ::CreateWindowExA(0, "BUTTON", caption.c_str(),
                                    WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | BS_PUSHLIKE | (k == 0 ? WS_GROUP : 0),
                                    0, 0, 35, 19, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttonId(band))),
                                    instance, nullptr);
    if (!button) throw std::runtime_error("Cannot create the area window's band buttons");
    ::SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    bandButtons_[k] = button;
  }
  LV1 = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_NOLABELWRAP, 0, kPanelHeight,
                          0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Q9X_IDC_LV1)), instance, nullptr);
  if (!LV1) throw std::runtime_error("Cannot create the area window's list");
  ::SendMessageA(LV1, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  Panel2Resize(client.right, client.bottom);
}

void TfmDomList::FormCreate()
{
  SystemCaptionOrder order;
  const std::vector<std::string> codes = session_.areaTable().listedCodes();
  view_ = AreaListView(codes, order);
  // The list is filled while not drawn, in the view's order.
  ::SendMessageA(LV1, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(LV1, LVM_SETITEMCOUNT, view_.size(), 0);
  for (std::size_t k = 0; k < view_.size(); ++k) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(k);
    item.pszText = const_cast<char*>(view_.caption(k).c_str());
    ::SendMessageA(LV1, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  ::SendMessageA(LV1, WM_SETREDRAW, TRUE, 0);
  ::CheckRadioButton(hwnd_, Q9X_IDC_RzBitBtn1, Q9X_IDC_RzBitBtn9, buttonId(view_.pressedButton()));
}

void TfmDomList::show()
{
  FormStorage1.windowShowing();
  ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  if (ownerServes()) SelectBand(storedBand_);
}

void TfmDomList::SelectBand(int n)
{
  view_.selectBand(n);
  ::CheckRadioButton(hwnd_, Q9X_IDC_RzBitBtn1, Q9X_IDC_RzBitBtn9, buttonId(view_.pressedButton()));
  ::InvalidateRect(LV1, nullptr, TRUE);
  if (ownerServes() && callbacks_.bandSelected) callbacks_.bandSelected(n);
}

void TfmDomList::ownerReleased()
{
  for (HWND button : bandButtons_) ::EnableWindow(button, FALSE);
  ::InvalidateRect(LV1, nullptr, TRUE);
}

void TfmDomList::Panel2Resize(int width, int height)
{
  const std::vector<ButtonPlace> places = buttonRowPlaces(width, kPanelHeight, static_cast<int>(std::size(bandButtons_)));
  for (std::size_t k = 0; k < places.size(); ++k)
    ::MoveWindow(bandButtons_[k], places[k].left, places[k].top, places[k].width, places[k].height, TRUE);
  // The strip along the bottom edge belongs to the window's own border.
  ::MoveWindow(LV1, 0, kPanelHeight, width, std::max(0, height - kPanelHeight - kSplitterHeight), TRUE);
}

LRESULT TfmDomList::LV1CustomDraw(NMLVCUSTOMDRAW& draw)
{
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const std::size_t item = draw.nmcd.dwItemSpec;
      if (!ownerServes() || item >= view_.size()) return CDRF_DODEFAULT;
      switch (view_.mark(item, session_.engine().areaWorked())) {
        case AreaMark::OwnFont:
          return CDRF_DODEFAULT;
        case AreaMark::Unmarked:
          draw.clrText = RGB(0, 0, 0);
          ::SelectObject(draw.nmcd.hdc, font_);
          return CDRF_NEWFONT;
        case AreaMark::Marked:
          draw.clrText = RGB(255, 0, 0);
          ::SelectObject(draw.nmcd.hdc, boldFont_);
          return CDRF_NEWFONT;
      }
      return CDRF_DODEFAULT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

LRESULT CALLBACK TfmDomList::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    // The handle is known from the first message on, before CreateWindowEx returns it.
    static_cast<TfmDomList*>(create->lpCreateParams)->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* window = reinterpret_cast<TfmDomList*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (window->callbacks_.closed) reportErrors([window] { window->callbacks_.closed(); });
    delete window;
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  }
  LRESULT result = 0;
  bool handled = false;
  reportErrors([&] {
    result = window->handle(message, wParam, lParam);
    handled = true;
  });
  return handled ? result : ::DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT TfmDomList::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (HIWORD(wParam) == BN_CLICKED && id >= Q9X_IDC_RzBitBtn1 && id <= Q9X_IDC_RzBitBtn9) {
        if (ownerServes()) SelectBand(id - Q9X_IDC_RzBitBtn1 + 1);
        return 0;
      }
      break;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->idFrom == Q9X_IDC_LV1) {
        if (header->code == NM_CUSTOMDRAW) return LV1CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
        // The list only shows codes: nothing is selected.
        if (header->code == LVN_ITEMCHANGING) return selects(*reinterpret_cast<NMLISTVIEW*>(lParam));
      }
      break;
    }
    case WM_SIZE:
      Panel2Resize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_CLOSE:
      // The operator closes the window, which destroys it.
      FormStorage1.windowClosing();
      break;
    case WM_DESTROY:
      FormStorage1.windowDestroying();
      break;
    default:
      break;
  }
  return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace q9x::win32
