// The area window in the DLL under Wine: its items in the system's order,
// the marks of worked codes as the list draws them, and the band buttons.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/win32/AdoDouble.h"
#include "tests/win32/DllHost.h"

namespace {

using q9xtest::exports;

class AreaWindow : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ado.serve(L"Log", q9xtest::logTable({{L"R1AA", L"7", L"CW", L"EU", L"599 BE", L"UA3A", L"UA3A"}}));
    const TPluginRecord host = q9xtest::record(ado.recordField(), "Log");
    statistics = reinterpret_cast<HWND>(exports().Run(0, &host));
    ASSERT_NE(statistics, nullptr);
    ::SendMessageA(::GetDlgItem(statistics, Q9X_IDC_btnOBL1), BM_CLICK, 0, 0);
    area = q9xtest::findOwnWindow("TfmDomList");
    ASSERT_NE(area, nullptr);
    list = ::GetDlgItem(area, Q9X_IDC_LV1);
  }
  void TearDown() override
  {
    exports().Release();
    q9xtest::pumpMessages();
    EXPECT_EQ(q9xtest::findOwnWindow("TfmDomList"), nullptr) << "the area window outlived its owner";
    for (const auto& box : boxes.shown()) ADD_FAILURE() << "error box: " << box.text;
    ::CoUninitialize();
  }

  int item(const std::string& caption)
  {
    for (int k = 0; k < q9xtest::itemCount(list); ++k)
      if (q9xtest::itemText(list, k) == caption) return k;
    return -1;
  }

  // How the list draws the item: its text colour and whether the font is bold.
  std::pair<COLORREF, bool> drawn(int index)
  {
    HDC dc = ::CreateCompatibleDC(nullptr);
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr = {list, Q9X_IDC_LV1, static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(index);
    draw.nmcd.hdc = dc;
    draw.clrText = CLR_DEFAULT;
    ::SendMessageA(area, WM_NOTIFY, Q9X_IDC_LV1, reinterpret_cast<LPARAM>(&draw));
    LOGFONTA font{};
    ::GetObjectA(::GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
    ::DeleteDC(dc);
    return {draw.clrText, font.lfWeight >= FW_BOLD};
  }

  bool pressed(int band) { return ::SendMessageA(::GetDlgItem(area, Q9X_IDC_RzBitBtn1 + band - 1), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  std::vector<int> pressedButtons()
  {
    std::vector<int> bands;
    for (int band = 1; band <= 9; ++band)
      if (pressed(band)) bands.push_back(band);
    return bands;
  }

  q9xtest::ErrorBoxes boxes;
  q9xtest::AdoConnectionDouble ado;
  HWND statistics = nullptr, area = nullptr, list = nullptr;
};

TEST_F(AreaWindow, ListsTheAreaFileInTheSystemsOrder)
{
  char className[64] = {};
  ::GetClassNameA(area, className, sizeof(className));
  EXPECT_STREQ(className, "TfmDomList");
  EXPECT_EQ(q9xtest::windowText(area), "Q9X Area");
  EXPECT_EQ(::GetWindow(area, GW_OWNER), statistics);
  RECT frame{};
  ::GetWindowRect(area, &frame);
  EXPECT_EQ(std::make_pair(frame.left, frame.top), std::make_pair(1017L, 288L));

  // One item per listing line of the shipped file beside the host.
  char program[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::ifstream file(std::filesystem::path(program).parent_path() / "Plugins" / "Q9XCup.dom", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);)
    if (!line.empty()) lines.push_back(line);
  ASSERT_FALSE(lines.empty());
  const int count = q9xtest::itemCount(list);
  EXPECT_EQ(count, static_cast<int>(lines.size()));
  for (int k = 1; k < count; ++k)
    EXPECT_LE(::lstrcmpA(q9xtest::itemText(list, k - 1).c_str(), q9xtest::itemText(list, k).c_str()), 0) << k;
  EXPECT_NE(item("AB"), -1);
}

TEST_F(AreaWindow, WorkedCodesAreRedAndBoldOnTheSelectedBand)
{
  const COLORREF red = RGB(255, 0, 0), black = RGB(0, 0, 0);
  // The log's contact on 7 MHz does not select a band; the designed button is pressed.
  EXPECT_EQ(pressedButtons(), std::vector<int>{4});

  const TPluginRecord contact =
      q9xtest::record(ado.recordField(), "Log", {"R1AB", "7", "CW", "EU", "599 AB", "UA3A", "UA3A"});
  ASSERT_EQ(exports().AddQSO(&contact), 1);
  EXPECT_EQ(pressedButtons(), std::vector<int>{3});
  EXPECT_EQ(drawn(item("AB")), std::make_pair(red, true));
  EXPECT_EQ(drawn(item("BE")), std::make_pair(red, true));
  EXPECT_EQ(drawn(item("AD")), std::make_pair(black, false));

  // Another band: nothing worked there.
  ::SendMessageA(::GetDlgItem(area, Q9X_IDC_RzBitBtn2), BM_CLICK, 0, 0);
  EXPECT_EQ(pressedButtons(), std::vector<int>{2});
  EXPECT_EQ(drawn(item("AB")), std::make_pair(black, false));

  // A Recalc counts the log again: only its own contact stays marked on 7 MHz.
  ::SendMessageA(::GetDlgItem(area, Q9X_IDC_RzBitBtn3), BM_CLICK, 0, 0);
  ::SendMessageA(::GetDlgItem(statistics, Q9X_IDC_BitBtn1), BM_CLICK, 0, 0);
  EXPECT_EQ(drawn(item("AB")), std::make_pair(black, false));
  EXPECT_EQ(drawn(item("BE")), std::make_pair(red, true));

  // Released: the buttons stop and the list marks nothing.
  exports().Release();
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(area, Q9X_IDC_RzBitBtn1)));
  EXPECT_EQ(drawn(item("BE")).first, static_cast<COLORREF>(CLR_DEFAULT));
}

TEST_F(AreaWindow, BandButtonsShareTheRowInTheirOrder)
{
  // 1.8, 3.5, 7, 14 ... 28 from the left, 10 at the right end.
  const int order[] = {1, 2, 3, 5, 6, 7, 8, 9, 4};
  RECT client{};
  ::GetClientRect(area, &client);
  int previousLeft = -1;
  for (int band : order) {
    RECT place{};
    HWND button = ::GetDlgItem(area, Q9X_IDC_RzBitBtn1 + band - 1);
    ASSERT_NE(button, nullptr);
    ::GetWindowRect(button, &place);
    ::MapWindowPoints(nullptr, area, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_GT(place.left, previousLeft) << band;
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.bottom - place.top, 17);
    previousLeft = place.left;
    if (band == 4) {
      EXPECT_EQ(place.right, client.right - 4);
    }
  }

  // Clicks select one band at a time; a second area button click opens no second window.
  for (int band : {5, 9, 1}) {
    ::SendMessageA(::GetDlgItem(area, Q9X_IDC_RzBitBtn1 + band - 1), BM_CLICK, 0, 0);
    EXPECT_EQ(pressedButtons(), std::vector<int>{band});
  }
  ::SendMessageA(::GetDlgItem(statistics, Q9X_IDC_btnOBL1), BM_CLICK, 0, 0);
  EXPECT_EQ(q9xtest::findOwnWindow("TfmDomList"), area);
  EXPECT_EQ(q9xtest::findOwnWindow("TfmDomList", area), nullptr);

  // Closed and opened again, it shows the band last selected.
  ::SendMessageA(area, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(area));
  ::SendMessageA(::GetDlgItem(statistics, Q9X_IDC_btnOBL1), BM_CLICK, 0, 0);
  area = q9xtest::findOwnWindow("TfmDomList");
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(pressedButtons(), std::vector<int>{1});
}

}  // namespace
