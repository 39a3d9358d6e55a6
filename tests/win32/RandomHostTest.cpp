// A Windows host that loads q9xcup.dll, calls the six exports in random order
// with realistic and with random records, keeps its log behind the ADO
// double, presses the windows' buttons through their control IDs, and checks
// every answer, the grid and the score line against ContestModel. The seed is
// printed with any failure:
//   Q9X_RANDOMHOST_SEED=N Q9X_RANDOMHOST_STEPS=N scripts/wine-run.sh PREFIX bin/win32_randomhost_tests.exe

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "tests/randomhost/ModelCheckedHost.h"
#include "tests/win32/AdoDouble.h"
#include "tests/win32/DllHost.h"

namespace q9xtest {
namespace {

std::string programFolder()
{
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

// Logged rows hold plain ASCII text only, so each byte is its UTF-16 unit.
std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// The log is the ADO double's table "Log", served again whenever it grows.
class RandomHost : public ModelCheckedHost {
 public:
  explicit RandomHost(unsigned long long seed)
      : ModelCheckedHost(seed, LibraryCalls(exports()), areaFileLines(programFolder() + "Plugins\\Q9XCup.dom"))
  {
    serveLog();
  }

 private:
  std::int32_t connection() override { return ado_.recordField(); }

  void logRow(const ModelContact&) override { serveLog(); }

  // The double answers the log query with the rows as they stand.
  void serveLog()
  {
    AdoTable contents = logTable();
    for (const ModelContact& c : logInCallOrder())
      contents.rows.push_back({wide(c.call), wide(c.band), wide(c.mode), L"EU", wide(c.report), wide(c.mainPrefix),
                               wide(c.dxcc)});
    ado_.serve(L"Log", std::move(contents));
  }

  void pumpMessages() override { q9xtest::pumpMessages(); }

  // The statistics window _Run answered with, while it exists; a released
  // one may still wait for its deferred destruction beside it.
  HWND window() const
  {
    const HWND hwnd = reinterpret_cast<HWND>(handle());
    if (!hwnd || !::IsWindow(hwnd)) return nullptr;
    char className[32] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    return std::strcmp(className, "TfmMainForm") == 0 ? hwnd : nullptr;
  }

  bool windowShown() override
  {
    const HWND hwnd = window();
    return hwnd && ::IsWindowVisible(hwnd);
  }

  void pressRecalc() override { ::SendMessageA(::GetDlgItem(window(), Q9X_IDC_BitBtn1), BM_CLICK, 0, 0); }

  void pressCloseBox() override
  {
    const HWND hwnd = window();
    ::SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(::IsWindow(hwnd));
    ASSERT_TRUE(::IsIconic(hwnd));
  }

  HWND areaWindowOf() const
  {
    const HWND owner = window();
    for (HWND area = findOwnWindow("TfmDomList"); area; area = findOwnWindow("TfmDomList", area))
      if (::GetWindow(area, GW_OWNER) == owner && ::IsWindowVisible(area)) return area;
    return nullptr;
  }

  bool areaWindowShown() override { return areaWindowOf() != nullptr; }

  void pressAreaButton() override
  {
    ::SendMessageA(::GetDlgItem(window(), Q9X_IDC_btnOBL1), BM_CLICK, 0, 0);
    ASSERT_TRUE(areaWindowShown()) << "the area button opened no area window";
  }

  void closeAreaWindow() override { ::SendMessageA(areaWindowOf(), WM_CLOSE, 0, 0); }

  void pressBandButton(int band) override
  {
    const HWND button = ::GetDlgItem(areaWindowOf(), Q9X_IDC_RzBitBtn1 + band - 1);
    ::SendMessageA(button, BM_CLICK, 0, 0);
    ASSERT_EQ(::SendMessageA(button, BM_GETCHECK, 0, 0), BST_CHECKED) << "band button " << band;
  }

  std::string gridCell(int row, int column) override
  {
    return itemText(::GetDlgItem(window(), Q9X_IDC_StringGrid1), row, column);
  }

  std::string scoreLine() override { return windowText(::GetDlgItem(window(), Q9X_IDC_Label1)); }

  void expectNothingLeft() override
  {
    EXPECT_EQ(findOwnWindow("TfmMainForm"), nullptr) << "a released window was left";
    EXPECT_EQ(findOwnWindow("TfmDomList"), nullptr) << "an area window outlived its owner";
    for (const ErrorBoxes::Box& box : boxes_.shown()) ADD_FAILURE() << "error box: " << box.text;
  }

  AdoConnectionDouble ado_;
  ErrorBoxes boxes_;
};

TEST(RandomHost, EveryAnswerFollowsTheRules)
{
  const RandomRun run = randomRunFromEnvironment();
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  RandomHost(run.seed).drive(run);
  ::CoUninitialize();
}

}  // namespace
}  // namespace q9xtest
