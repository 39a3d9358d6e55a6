// The statistics window's buttons drawn with their pictures, and the fonts
// of the window and of its score line, in the DLL under Wine.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/win32/AdoDouble.h"
#include "tests/win32/DllHost.h"

namespace {

using q9xtest::exports;

class ButtonGlyphs : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ado.serve(L"Log", q9xtest::logTable());
    const TPluginRecord host = q9xtest::record(ado.recordField(), "Log");
    window = reinterpret_cast<HWND>(exports().Run(0, &host));
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override
  {
    exports().Release();
    q9xtest::pumpMessages();
    for (const auto& box : boxes.shown()) ADD_FAILURE() << "error box: " << box.text;
    ::CoUninitialize();
  }

  // What the window draws for the button, on a white page; counts of the
  // picture's typical pixels in the 16 x 16 left of the caption.
  struct Drawn {
    int green = 0, red = 0, land = 0, coloured = 0, shape = 0;
    bool captionDrawn = false;
  };
  Drawn draw(int id, UINT state)
  {
    const HWND button = ::GetDlgItem(window, id);
    RECT rect{};
    ::GetClientRect(button, &rect);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP page = ::CreateCompatibleBitmap(screen, rect.right, rect.bottom);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, page);
    DRAWITEMSTRUCT item{ODT_BUTTON, static_cast<UINT>(id), 0, ODA_DRAWENTIRE, state, button, dc, rect, 0};
    EXPECT_TRUE(::SendMessageA(window, WM_DRAWITEM, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&item)));
    Drawn seen;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    for (int y = 2; y < rect.bottom - 2; ++y)
      for (int x = 2; x < rect.right - 2; ++x) {
        const COLORREF c = ::GetPixel(dc, x, y);
        const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        if (x < rect.right / 2 - 8) {
          seen.green += c == RGB(0, 128, 0) || c == RGB(0, 255, 0);
          seen.red += r > 140 && g < 110 && b < 110;
          seen.land += g > 100 && r < g && b < g - 20;
          seen.coloured += !(r == g && g == b) && c != face;
          seen.shape += c != face;
        } else if (c == ::GetSysColor(COLOR_BTNTEXT)) {
          seen.captionDrawn = true;
        }
      }
    ::SelectObject(dc, old);
    ::DeleteObject(page);
    ::DeleteDC(dc);
    return seen;
  }

  static LOGFONTA fontOf(HWND hwnd)
  {
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
  }
  // The font the system gives for the window's, where the named face is missing too.
  static TEXTMETRICA mappedFont(HWND hwnd)
  {
    HDC dc = ::GetDC(hwnd);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(hwnd, dc);
    return metrics;
  }

  q9xtest::ErrorBoxes boxes;
  q9xtest::AdoConnectionDouble ado;
  HWND window = nullptr;
};

TEST_F(ButtonGlyphs, EachButtonShowsItsPictureBesideItsCaption)
{
  for (int id : {Q9X_IDC_BitBtn1, Q9X_IDC_btnOBL1})
    EXPECT_EQ(::GetWindowLongA(::GetDlgItem(window, id), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << id;
  EXPECT_EQ(q9xtest::windowText(::GetDlgItem(window, Q9X_IDC_BitBtn1)), "Recalc");
  EXPECT_EQ(q9xtest::windowText(::GetDlgItem(window, Q9X_IDC_btnOBL1)), "Q9X Area");

  const Drawn recalc = draw(Q9X_IDC_BitBtn1, 0);
  EXPECT_GT(recalc.green, 20) << "the green arrows";
  EXPECT_LT(recalc.shape, 120) << "the picture's background is not transparent";
  EXPECT_EQ(recalc.red, 0);
  EXPECT_TRUE(recalc.captionDrawn);

  const Drawn area = draw(Q9X_IDC_btnOBL1, 0);
  EXPECT_GT(area.red, 15) << "the red pin";
  EXPECT_GT(area.land, 10) << "the green land";
  EXPECT_EQ(area.green, 0);
  EXPECT_TRUE(area.captionDrawn);

  // Pressed, the picture is still there, a pixel further down and right.
  EXPECT_GT(draw(Q9X_IDC_BitBtn1, ODS_SELECTED).green, 20);
}

TEST_F(ButtonGlyphs, DisabledButtonGreysPictureAndCaption)
{
  const Drawn recalc = draw(Q9X_IDC_BitBtn1, ODS_DISABLED);
  EXPECT_EQ(recalc.coloured, 0) << "a coloured picture on a disabled button";
  // The arrows' etched shape, not a grey block.
  EXPECT_GT(recalc.shape, 20);
  EXPECT_LT(recalc.shape, 120);
  EXPECT_FALSE(recalc.captionDrawn);
}

TEST_F(ButtonGlyphs, FontsAreTheDesignedOnesOrTheNearestOfTheirKind)
{
  for (HWND hwnd : {::GetDlgItem(window, Q9X_IDC_BitBtn1), ::GetDlgItem(window, Q9X_IDC_btnOBL1),
                    ::GetDlgItem(window, Q9X_IDC_StringGrid1)}) {
    const LOGFONTA font = fontOf(hwnd);
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(font.lfHeight, -11);
    EXPECT_LT(font.lfWeight, FW_BOLD);
    // Proportional, as the designed face is: the flag set means variable pitch.
    EXPECT_TRUE(mappedFont(hwnd).tmPitchAndFamily & TMPF_FIXED_PITCH);
  }
  const HWND label = ::GetDlgItem(window, Q9X_IDC_Label1);
  const LOGFONTA score = fontOf(label);
  EXPECT_STREQ(score.lfFaceName, "Courier");
  EXPECT_EQ(score.lfHeight, -13);
  EXPECT_GE(score.lfWeight, FW_BOLD);
  // Fixed pitch, so the score line's figures line up as on the designed face.
  EXPECT_FALSE(mappedFont(label).tmPitchAndFamily & TMPF_FIXED_PITCH);
}

}  // namespace
