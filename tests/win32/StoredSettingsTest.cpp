// The windows' stored settings in the registry, read back with the
// registry's own calls: what a first run writes, what the next run takes,
// and the stored values it refuses.

#include <gtest/gtest.h>
#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/win32/AdoDouble.h"
#include "tests/win32/DllHost.h"
#include "tests/win32/UserRegistry.h"

namespace {

using q9xtest::exports;
using q9xtest::storedText;

const std::string kMain = "TfmMainForm";
const std::string kArea = "TfmDomList";

std::string screenSuffix()
{
  return "(" + std::to_string(::GetSystemMetrics(SM_CXSCREEN)) + "x" + std::to_string(::GetSystemMetrics(SM_CYSCREEN)) +
         ")";
}

int pixelsPerInch()
{
  HDC screen = ::GetDC(nullptr);
  const int value = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return value;
}

RECT frameOf(HWND hwnd)
{
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  return r;
}

std::string text(const RECT& r)
{
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

class StoredSettings : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ado.serve(L"Log", q9xtest::logTable({{L"R1AA", L"7", L"CW", L"EU", L"599 BE", L"UA3A", L"UA3A"}}));
  }
  void TearDown() override
  {
    release();
    ::CoUninitialize();
  }

  HWND run()
  {
    const TPluginRecord host = q9xtest::record(ado.recordField(), "Log");
    statistics = reinterpret_cast<HWND>(exports().Run(0, &host));
    return statistics;
  }
  HWND openArea()
  {
    ::SendMessageA(::GetDlgItem(statistics, Q9X_IDC_btnOBL1), BM_CLICK, 0, 0);
    return q9xtest::findOwnWindow("TfmDomList");
  }
  void release()
  {
    exports().Release();
    q9xtest::pumpMessages();
    statistics = nullptr;
  }
  std::vector<int> pressedButtons(HWND area)
  {
    std::vector<int> bands;
    for (int band = 1; band <= 9; ++band)
      if (::SendMessageA(::GetDlgItem(area, Q9X_IDC_RzBitBtn1 + band - 1), BM_GETCHECK, 0, 0) == BST_CHECKED)
        bands.push_back(band);
    return bands;
  }
  std::vector<std::string> errors()
  {
    std::vector<std::string> texts;
    for (const auto& box : boxes.shown()) texts.push_back(box.text);
    return texts;
  }

  const std::string host = q9xtest::thisHost();
  q9xtest::ErrorBoxes boxes;
  q9xtest::AdoConnectionDouble ado;
  HWND statistics = nullptr;
};

TEST_F(StoredSettings, FirstRunWritesEveryValueAsText)
{
  ASSERT_NE(run(), nullptr);
  const RECT designed = frameOf(statistics);
  EXPECT_EQ(std::make_pair(designed.left, designed.top), std::make_pair(1009L, 201L));
  HWND area = openArea();
  ASSERT_NE(area, nullptr);
  const RECT areaFrame = frameOf(area);
  ::SendMessageA(area, WM_CLOSE, 0, 0);
  EXPECT_EQ(q9xtest::findOwnWindow("TfmDomList"), nullptr);

  const std::string suffix = screenSuffix();
  std::vector<std::string> names{"FormVersion", "Flags",         "ShowCmd", "PixelsPerInch",
                                 "MinMaxPos" + suffix, "MinMaxPos", "NormPos" + suffix, "NormPos", "Visible"};
  // Wine lists a key's values by name, not in the order they were written.
  std::vector<std::string> stored = q9xtest::storedNames(host, kArea);
  std::sort(stored.begin(), stored.end());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(stored, names);
  for (const std::string& name : names) EXPECT_EQ(q9xtest::storedValue(host, kArea, name)->type, DWORD(REG_SZ)) << name;
  EXPECT_EQ(storedText(host, kArea, "FormVersion"), "0");
  EXPECT_EQ(storedText(host, kArea, "ShowCmd"), "1");
  EXPECT_EQ(storedText(host, kArea, "PixelsPerInch"), std::to_string(pixelsPerInch()));
  EXPECT_EQ(storedText(host, kArea, "NormPos"), text(areaFrame));
  EXPECT_EQ(storedText(host, kArea, "NormPos" + suffix), text(areaFrame));
  EXPECT_EQ(storedText(host, kArea, "Visible"), "0");
  EXPECT_EQ(storedText(host, kArea, "MinMaxPos"), storedText(host, kArea, "MinMaxPos" + suffix));
  // The statistics window has written nothing yet.
  EXPECT_TRUE(q9xtest::storedNames(host, kMain).empty());

  release();
  EXPECT_EQ(storedText(host, kMain, "Visible"), "1");
  EXPECT_EQ(storedText(host, kMain, "CurrentBand"), "0");
  EXPECT_EQ(storedText(host, kMain, "NormPos"), text(designed));
  EXPECT_TRUE(errors().empty());
}

TEST_F(StoredSettings, TheBandAndThePlacesComeBackInTheNextRun)
{
  ASSERT_NE(run(), nullptr);
  const RECT designed = frameOf(statistics);
  HWND area = openArea();
  ::SendMessageA(::GetDlgItem(area, Q9X_IDC_RzBitBtn1 + 4), BM_CLICK, 0, 0);
  release();
  EXPECT_EQ(storedText(host, kMain, "CurrentBand"), "5");
  EXPECT_EQ(storedText(host, kMain, "Visible"), "1");
  EXPECT_EQ(storedText(host, kArea, "Visible"), "1");

  // A stored rectangle of another size: the fixed statistics window takes
  // only the place, the sizeable area window the size too.
  q9xtest::store(host, kMain, "NormPos" + screenSuffix(), "100,120,150,160");
  q9xtest::store(host, kArea, "NormPos" + screenSuffix(), "200,210,600,500");
  ASSERT_NE(run(), nullptr);
  const RECT main = frameOf(statistics);
  EXPECT_EQ(std::make_pair(main.left, main.top), std::make_pair(100L, 120L));
  EXPECT_EQ(main.right - main.left, designed.right - designed.left);
  EXPECT_EQ(main.bottom - main.top, designed.bottom - designed.top);
  area = openArea();
  EXPECT_EQ(pressedButtons(area), std::vector<int>{5});
  EXPECT_EQ(text(frameOf(area)), "200,210,600,500");
  EXPECT_TRUE(errors().empty());
}

TEST_F(StoredSettings, EachScreenSizeKeepsItsOwnPlaceAndThreeNumbersKeepTheHeight)
{
  ASSERT_NE(run(), nullptr);
  const RECT designed = frameOf(statistics);
  HWND area = openArea();
  const RECT designedArea = frameOf(area);
  release();

  q9xtest::store(host, kMain, "NormPos(9999x5555)", "300,310,0,0");
  q9xtest::store(host, kMain, "NormPos" + screenSuffix(), "150,160,0,0");
  q9xtest::store(host, kMain, "NormPos", "10,20,0,0");
  q9xtest::store(host, kArea, "NormPos" + screenSuffix(), "");
  q9xtest::store(host, kArea, "NormPos", "40,50,400");
  ASSERT_NE(run(), nullptr);
  RECT main = frameOf(statistics);
  EXPECT_EQ(std::make_pair(main.left, main.top), std::make_pair(150L, 160L));
  EXPECT_EQ(main.bottom - main.top, designed.bottom - designed.top);
  area = openArea();
  EXPECT_EQ(text(frameOf(area)), text({40, 50, 400, 50 + designedArea.bottom - designedArea.top}));
  release();

  // Nothing for this size: the plain name, written last at any size.
  q9xtest::store(host, kMain, "NormPos" + screenSuffix(), "");
  q9xtest::store(host, kMain, "NormPos", "10,20,0,0");
  ASSERT_NE(run(), nullptr);
  main = frameOf(statistics);
  EXPECT_EQ(std::make_pair(main.left, main.top), std::make_pair(10L, 20L));
}

TEST_F(StoredSettings, AnotherPixelDensityKeepsThePlaceButNotTheState)
{
  q9xtest::store(host, kMain, "PixelsPerInch", std::to_string(pixelsPerInch() == 120 ? 96 : 120));
  q9xtest::store(host, kMain, "NormPos", "100,120,0,0");
  q9xtest::store(host, kMain, "ShowCmd", "3");
  ASSERT_NE(run(), nullptr);
  EXPECT_TRUE(::IsZoomed(statistics));
  release();
  // Saved maximised: the normal place is still the designed one.
  EXPECT_EQ(storedText(host, kMain, "ShowCmd"), "3");
  EXPECT_EQ(storedText(host, kMain, "NormPos")->rfind("1009,201,", 0), 0u) << *storedText(host, kMain, "NormPos");
}

TEST_F(StoredSettings, AStoredMinimisedStateLeavesTheWindowNormalAndOnScreen)
{
  q9xtest::store(host, kMain, "ShowCmd", "2");
  // Stored on a screen that is not there any more: brought onto this one.
  q9xtest::store(host, kMain, "NormPos", "-5000,-4000,0,0");
  ASSERT_NE(run(), nullptr);
  EXPECT_TRUE(::IsWindowVisible(statistics));
  EXPECT_FALSE(::IsIconic(statistics));
  EXPECT_FALSE(::IsZoomed(statistics));
  const RECT main = frameOf(statistics);
  EXPECT_GE(main.left, 0);
  EXPECT_GE(main.top, 0);
  EXPECT_LE(main.right, ::GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(StoredSettings, ALaterFormVersionIsNotRestoredButOverwritten)
{
  q9xtest::store(host, kMain, "FormVersion", "-1");
  q9xtest::store(host, kMain, "NormPos", "100,120,0,0");
  q9xtest::store(host, kMain, "CurrentBand", "7");
  ASSERT_NE(run(), nullptr);
  const RECT main = frameOf(statistics);
  EXPECT_EQ(std::make_pair(main.left, main.top), std::make_pair(1009L, 201L));
  EXPECT_EQ(pressedButtons(openArea()), std::vector<int>{4});
  release();
  EXPECT_EQ(storedText(host, kMain, "FormVersion"), "0");
  EXPECT_EQ(storedText(host, kMain, "CurrentBand"), "0");
  EXPECT_EQ(storedText(host, kMain, "NormPos")->rfind("1009,201,", 0), 0u);
}

TEST_F(StoredSettings, AValueOfAnotherTypeIsReportedAndNeverOverwritten)
{
  q9xtest::storeDword(host, kMain, "Flags", 0);
  ASSERT_NE(run(), nullptr);
  // The window still shows its figures.
  EXPECT_NE(q9xtest::windowText(::GetDlgItem(statistics, Q9X_IDC_Label1)), "");
  release();
  EXPECT_EQ(errors(), std::vector<std::string>{"Invalid data type for 'Flags'"});
  EXPECT_EQ(q9xtest::storedValue(host, kMain, "Flags")->type, DWORD(REG_DWORD));
  EXPECT_EQ(q9xtest::storedValue(host, kMain, "Visible"), std::nullopt);
}

TEST_F(StoredSettings, ASectionThatCannotBeMadeIsReportedAtEverySave)
{
  // Under a volatile key only volatile keys can be made: the sections cannot.
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, ("Software\\" + host).c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegCloseKey(key);
  ASSERT_NE(run(), nullptr);
  HWND area = openArea();
  // Closing saves, and a failed save is tried again at destruction.
  ::SendMessageA(area, WM_CLOSE, 0, 0);
  ::SendMessageA(statistics, WM_CLOSE, 0, 0);
  q9xtest::pumpMessages();
  EXPECT_EQ(errors(), (std::vector<std::string>{"Failed to create key TfmDomList", "Failed to create key TfmDomList",
                                                "Failed to create key TfmMainForm", "Failed to create key TfmMainForm"}));
  EXPECT_TRUE(q9xtest::storedNames(host, kMain).empty());
}

TEST_F(StoredSettings, ASectionThatRefusesValuesIsReportedAtEverySave)
{
  // The area window's section is there, but nobody may set its values.
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, ("Software\\" + host + "\\" + kArea).c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  PSECURITY_DESCRIPTOR denySetValue = nullptr;
  ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1,
                                                                     &denySetValue, nullptr));
  ASSERT_EQ(::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, denySetValue), ERROR_SUCCESS);
  ::LocalFree(denySetValue);
  ::RegCloseKey(key);

  ASSERT_NE(run(), nullptr);
  ::SendMessageA(openArea(), WM_CLOSE, 0, 0);
  release();
  EXPECT_EQ(errors(), (std::vector<std::string>{"Failed to set data for 'FormVersion'",
                                                "Failed to set data for 'FormVersion'"}));
  EXPECT_TRUE(q9xtest::storedNames(host, kArea).empty());
  EXPECT_EQ(storedText(host, kMain, "Visible"), "1");
}

TEST_F(StoredSettings, HostsOfAnotherNameKeepTheirOwn)
{
  // This program under another name, sharing this test's registry, runs a
  // test that opens and releases the plug-in.
  char program[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, program, MAX_PATH);
  const std::filesystem::path other = std::filesystem::path(program).parent_path() / "q9x_other_host.exe";
  std::filesystem::copy_file(program, other, std::filesystem::copy_options::overwrite_existing);
  q9xtest::store(host, kMain, "CurrentBand", "6");
  ::SetEnvironmentVariableA(q9xtest::kUserKeyVariable, q9xtest::userKeyPath().c_str());
  std::string command = "\"" + other.string() + "\" --gtest_filter=StoredSettings.TheBandAndThePlacesComeBackInTheNextRun";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  ::SetEnvironmentVariableA(q9xtest::kUserKeyVariable, nullptr);
  ASSERT_EQ(::WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  std::filesystem::remove(other);
  EXPECT_EQ(exitCode, 0u);

  // The other host found nothing of this one's and wrote its own.
  EXPECT_EQ(storedText("q9x_other_host", kMain, "CurrentBand"), "5");
  EXPECT_EQ(storedText(host, kMain, "CurrentBand"), "6");
  EXPECT_EQ(q9xtest::storedNames(host, kArea), std::vector<std::string>{});
}

}  // namespace
