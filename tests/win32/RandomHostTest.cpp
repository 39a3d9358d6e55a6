// A Windows host that loads q9xcup.dll, calls the six exports in random order
// with realistic and with random records, keeps its log behind the ADO
// double, presses the windows' buttons through their control IDs, and checks
// every answer, the grid and the score line against ContestModel. The seed is
// printed with any failure:
//   Q9X_RANDOMHOST_SEED=N Q9X_RANDOMHOST_STEPS=N scripts/wine-run.sh PREFIX bin/win32_randomhost_tests.exe

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/randomhost/ContestModel.h"
#include "tests/randomhost/RandomContacts.h"
#include "tests/win32/AdoDouble.h"
#include "tests/win32/DllHost.h"

namespace q9xtest {
namespace {

unsigned long long setting(const char* name, unsigned long long fallback)
{
  const char* value = std::getenv(name);
  return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

std::string programFolder()
{
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::vector<std::string> shippedAreaTable()
{
  std::ifstream file(programFolder() + "Plugins\\Q9XCup.dom", std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The host's log as its database answers "order by CallSign": byte order, and
// rows of one callsign in the order they were logged.
std::vector<ModelContact> inCallOrder(std::vector<ModelContact> rows)
{
  std::stable_sort(rows.begin(), rows.end(), [](const ModelContact& a, const ModelContact& b) {
    return std::lexicographical_compare(a.call.begin(), a.call.end(), b.call.begin(), b.call.end(),
                                        [](char x, char y) {
                                          return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                        });
  });
  return rows;
}

// Logged rows hold plain ASCII text only, so each byte is its UTF-16 unit.
std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

class RandomHost : private RandomContacts {
 public:
  explicit RandomHost(unsigned long long seed) : RandomContacts(seed), table_(shippedAreaTable())
  {
    serveLog();
  }

  void step(unsigned long long n)
  {
    const int roll = pick(100);
    if (roll < 30) addQso();
    else if (roll < 52) getScore();
    else if (roll < 67) grabNumber();
    else if (roll < 72) run();
    else if (roll < 75) release();
    else if (roll < 78) recalc();
    else if (roll < 86) areaWindow();
    else if (roll < 91) pumpMessages();
    else if (roll < 92) closeBox();
    else if (roll < 95) myMainPrefix_ = pickOf({"UA3A", "R3", "ua3a", "UA3A "});
    else logWithoutTelling();
    if (n % 97 == 0) checkFigures();
  }

  void finish()
  {
    exports().Release();
    pumpMessages();
    EXPECT_EQ(findOwnWindow("TfmMainForm"), nullptr) << "a released window was left";
    EXPECT_EQ(findOwnWindow("TfmDomList"), nullptr) << "an area window outlived its owner";
    for (const ErrorBoxes::Box& box : boxes_.shown()) ADD_FAILURE() << "error box: " << box.text;
  }

 private:
  TPluginRecord record(const ModelContact& c)
  {
    // The host's own spans, and the bytes past each text, hold anything.
    TPluginRecord r;
    std::memset(&r, 0xA5, sizeof r);
    r.Connection = ado_.recordField();
    q9x::writeShort(r.TableName, "Log");
    q9x::writeShort(r.CaptionText, "Random host");
    q9x::writeShort(r.MyMainPrefix, myMainPrefix_);
    q9x::writeShort(r.CallSign, c.call);
    q9x::writeShort(r.DigiBand, c.band);
    q9x::writeShort(r.QSOMode, c.mode);
    q9x::writeShort(r.Continent, "eu");
    q9x::writeShort(r.QSOReportRecived, c.report);
    q9x::writeShort(r.MainPrefix, c.mainPrefix);
    q9x::writeShort(r.DXCCPrefix, c.dxcc);
    lastMyMainPrefix_ = myMainPrefix_;
    return r;
  }

  void serveLog()
  {
    AdoTable contents{{L"CallSign", L"DigiBand", L"QSOMode", L"Continent", L"QSOReportRecived", L"MainPrefix",
                       L"DXCCPrefix"},
                      {}};
    for (const ModelContact& c : inCallOrder(log_))
      contents.rows.push_back({wide(c.call), wide(c.band), wide(c.mode), L"EU", wide(c.report), wide(c.mainPrefix),
                               wide(c.dxcc)});
    ado_.serve(L"Log", std::move(contents));
  }

  void logRow(const ModelContact& c)
  {
    log_.push_back(c);
    serveLog();
  }

  void addQso()
  {
    bool printable = true;
    const ModelContact c = contact(printable);
    const TPluginRecord r = record(c);
    const int32_t points = exports().AddQSO(&r);
    int32_t expected = 0;
    if (open_) expected = model_.score(c, myMainPrefix_, true);
    ASSERT_EQ(points, expected) << "_AddQSO " << c.call << " " << c.band << " " << c.mode;
    // The host logs what the operator entered; it writes only plain text.
    if (printable) logRow(c);
    if (open_) checkFigures();
  }

  void getScore()
  {
    bool printable = true;
    const ModelContact c = contact(printable);
    const TPluginRecord r = record(c);
    ASSERT_EQ(exports().GetScore(&r), open_ ? model_.score(c, myMainPrefix_, false) : 0)
        << "_GetScore " << c.call << " " << c.band << " " << c.mode;
  }

  void grabNumber()
  {
    bool printable = true;
    const ModelContact c = contact(printable);
    const TPluginRecord r = record(c);
    unsigned char result[256];
    std::memset(result, 0xEE, sizeof result);
    exports().GrabNumber(&r, result);
    const std::string answer(reinterpret_cast<const char*>(result + 1), result[0]);
    ASSERT_EQ(answer, open_ ? proposedArea(table_, c.dxcc, c.mainPrefix) : "")
        << "_GrabNumber " << c.mainPrefix << " " << c.dxcc;
  }

  void run()
  {
    bool printable = true;
    const std::string current = lastMyMainPrefix_;
    const TPluginRecord r = record(contact(printable));
    handle_ = reinterpret_cast<HWND>(exports().Run(0, &r));
    ASSERT_NE(handle_, nullptr);
    ASSERT_TRUE(::IsWindowVisible(handle_));
    // An open window keeps its record: _Run copies the host's only into a new one.
    if (open_) lastMyMainPrefix_ = current;
    if (!open_) {
      open_ = true;
      recount();
    }
    checkFigures();
  }

  // The statistics window _Run answered with, while it exists; a released
  // one may still wait for its deferred destruction beside it.
  HWND window() const
  {
    if (!handle_ || !::IsWindow(handle_)) return nullptr;
    char className[32] = {};
    ::GetClassNameA(handle_, className, sizeof className);
    return std::strcmp(className, "TfmMainForm") == 0 ? handle_ : nullptr;
  }

  void release()
  {
    exports().Release();
    open_ = false;
    if (pick(2)) pumpMessages();
  }

  void recalc()
  {
    const HWND window = this->window();
    if (!open_ || !window) return;
    ::SendMessageA(::GetDlgItem(window, Q9X_IDC_BitBtn1), BM_CLICK, 0, 0);
    recount();
    checkFigures();
  }

  // The title bar's close box only minimises; figures and session stay.
  void closeBox()
  {
    const HWND window = this->window();
    if (!open_ || !window) return;
    ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(::IsWindow(window));
    ASSERT_TRUE(::IsIconic(window));
  }

  HWND openAreaWindow() const
  {
    for (HWND area = findOwnWindow("TfmDomList"); area; area = findOwnWindow("TfmDomList", area))
      if (::GetWindow(area, GW_OWNER) == handle_ && ::IsWindowVisible(area)) return area;
    return nullptr;
  }

  void areaWindow()
  {
    const HWND main = window();
    if (!open_ || !main) return;
    const HWND area = openAreaWindow();
    if (!area) {
      ::SendMessageA(::GetDlgItem(main, Q9X_IDC_btnOBL1), BM_CLICK, 0, 0);
      ASSERT_NE(openAreaWindow(), nullptr) << "the area button opened no area window";
      return;
    }
    if (pick(4) == 0) {
      ::SendMessageA(area, WM_CLOSE, 0, 0);
      return;
    }
    const int button = Q9X_IDC_RzBitBtn1 + pick(9);
    ::SendMessageA(::GetDlgItem(area, button), BM_CLICK, 0, 0);
    ASSERT_EQ(::SendMessageA(::GetDlgItem(area, button), BM_GETCHECK, 0, 0), BST_CHECKED)
        << "band button " << button;
  }

  // A row the host logs without a call (an import, a second operator).
  void logWithoutTelling()
  {
    bool printable = true;
    const ModelContact c = contact(printable);
    if (printable) logRow(c);
  }

  // The scan counts with the operator's prefix the host sent last.
  void recount() { model_.recount(inCallOrder(log_), lastMyMainPrefix_); }

  void checkFigures()
  {
    if (!open_) return;
    const HWND window = this->window();
    ASSERT_NE(window, nullptr);
    const HWND grid = ::GetDlgItem(window, Q9X_IDC_StringGrid1);
    auto expectRow = [&](int row, const ModelBand* b) {
      const int32_t figures[] = {0, b ? b->qsos : 0, b ? b->points : 0, b ? b->area : 0, b ? b->rda : 0};
      for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(itemText(grid, row, column), b ? std::to_string(figures[column]) : std::string())
            << "grid row " << row << " column " << column;
    };
    expectRow(1, model_.band("3.5"));
    expectRow(2, model_.band("7"));
    const ModelBand t = model_.totals();
    expectRow(3, &t);
    EXPECT_EQ(windowText(::GetDlgItem(window, Q9X_IDC_Label1)), model_.scoreLine());
  }

  std::vector<std::string> table_;
  AdoConnectionDouble ado_;
  ErrorBoxes boxes_;
  ContestModel model_;
  std::vector<ModelContact> log_;
  bool open_ = false;
  HWND handle_ = nullptr;
  std::string myMainPrefix_ = "R3";
  std::string lastMyMainPrefix_ = "R3";
};

TEST(RandomHost, EveryAnswerFollowsTheRules)
{
  const unsigned long long seed = setting("Q9X_RANDOMHOST_SEED", std::random_device{}());
  const unsigned long long steps = setting("Q9X_RANDOMHOST_STEPS", 3000);
  SCOPED_TRACE("Q9X_RANDOMHOST_SEED=" + std::to_string(seed));
  std::printf("random host: seed %llu, %llu steps\n", seed, steps);

  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  {
    RandomHost host(seed);
    for (unsigned long long n = 1; n <= steps && !::testing::Test::HasFailure(); ++n) host.step(n);
    host.finish();
  }
  ::CoUninitialize();
}

}  // namespace
}  // namespace q9xtest
