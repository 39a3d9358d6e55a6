#include "ui/domlist/win32/domlist.h"

#include <algorithm>
#include <string>

#include "engine/Bands.h"
#include "platform/win32/ErrorBox.h"
#include "plugin/q9xcup.h"
#include "ui/domlist/BandButtonRow.h"
#include "ui/win32/NoSelection.h"
#include "ui/win32/WindowParts.h"

namespace q9x::win32 {

namespace {
constexpr const char* kClassName = "TfmDomList";
constexpr WindowDesign kDesign{kClassName,
                               WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME |
                                   WS_CLIPCHILDREN,
                               WS_EX_TOPMOST,
                               1017,
                               288,
                               327,
                               141};
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

HFONT sansSerif11(int weight) { return pixelFont("MS Sans Serif", 11, weight, VARIABLE_PITCH | FF_SWISS); }

HINSTANCE module(HWND hwnd) { return reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(hwnd, GWLP_HINSTANCE)); }
}  // namespace

void TfmDomList::registerClass(HINSTANCE module)
{
  registerWindowClass(module, kClassName, windowProc);
}

void TfmDomList::unregisterClass(HINSTANCE module) { ::UnregisterClassA(kClassName, module); }

TfmDomList::TfmDomList(HWND owner, const ScoringSession& session, int storedBand, Callbacks callbacks)
    : session_(session), callbacks_(std::move(callbacks)), storedBand_(storedBand)
{
  hwnd_ = createFramedWindow(kDesign, "Q9X Area", owner, module(owner), this, "area window");
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
  for (std::size_t k = 0; k < kBandButtonOrder.size(); ++k) {
    const int band = kBandButtonOrder[k];
    const std::string caption(BandNames[static_cast<std::size_t>(band - 1)]);
    // Push-like radio buttons: one shown pressed, set by the window, not by the click.
    bandButtons_[k] = createControl(hwnd_, "BUTTON", caption.c_str(),
                                    BS_RADIOBUTTON | BS_PUSHLIKE | (k == 0 ? WS_GROUP : 0), 0, 0, 35, 19,
                                    buttonId(band), font_);
  }
  LV1 = createControl(hwnd_, WC_LISTVIEWA, "", LVS_LIST | LVS_NOLABELWRAP, 0, kPanelHeight, 0, 0, Q9X_IDC_LV1, font_);
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
  auto* window = windowObject(hwnd, message, lParam, &TfmDomList::hwnd_);
  if (!window) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (window->callbacks_.closed) reportErrors([window] { window->callbacks_.closed(); });
    delete window;
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return handleShowingErrors(hwnd, message, wParam, lParam, [&] { return window->handle(message, wParam, lParam); });
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
