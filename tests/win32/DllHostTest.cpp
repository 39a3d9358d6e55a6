// The DLL in a host under Wine: the exports by name and by ordinal, the
// statistics window's figures read back from its controls, the area file
// beside the host, Recalc's errors in the error box, the host calling in
// while a recalculation lets its messages run, and the close commands.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win32/AdoDouble.h"
#include "tests/win32/DllHost.h"

namespace {

using q9xtest::AdoConnectionDouble;
using q9xtest::AdoFailure;
using q9xtest::AdoTable;
using q9xtest::AdoValue;
using q9xtest::Contact;
using q9xtest::exports;

const std::vector<std::wstring> kColumns = q9xtest::logTable().columns;

// A logged contact whose main and DXCC prefixes are both prefix.
std::vector<AdoValue> logged(const wchar_t* call, const wchar_t* band, const wchar_t* report, const wchar_t* prefix)
{
  return {call, band, L"CW", L"EU", report, prefix, prefix};
}

class DllHost : public ::testing::Test {
 protected:
  void SetUp() override { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override
  {
    exports().Release();
    q9xtest::pumpMessages();
    EXPECT_EQ(q9xtest::findOwnWindow("TfmMainForm"), nullptr) << "a released window was left";
    for (std::size_t k = expectedBoxes; k < boxes.shown().size(); ++k)
      ADD_FAILURE() << "error box: " << boxes.shown()[k].text;
    ::CoUninitialize();
  }

  TPluginRecord rec(const Contact& contact = {}, const std::string& table = "Log")
  {
    return q9xtest::record(ado.recordField(), table, contact);
  }
  HWND run(const std::string& table = "Log")
  {
    const TPluginRecord host = rec({}, table);
    return reinterpret_cast<HWND>(exports().Run(0, &host));
  }
  static std::vector<std::string> gridRow(HWND window, int row)
  {
    std::vector<std::string> texts;
    for (int column = 0; column < 5; ++column)
      texts.push_back(q9xtest::itemText(::GetDlgItem(window, Q9X_IDC_StringGrid1), row, column));
    return texts;
  }
  static std::string scoreLine(HWND window) { return q9xtest::windowText(::GetDlgItem(window, Q9X_IDC_Label1)); }
  static void click(HWND window, int id) { ::SendMessageA(::GetDlgItem(window, id), BM_CLICK, 0, 0); }

  AdoConnectionDouble ado;
  // Every error box is answered; those beyond the expected ones fail the test.
  q9xtest::ErrorBoxes boxes;
  std::size_t expectedBoxes = 0;
};

TEST_F(DllHost, ExportsAreFoundByNameAndByOrdinal)
{
  const char* names[] = {"_GrabNumber", "_Release", "_GetScore", "_AddQSO", "_Run", "_GetInfo"};
  for (int ordinal = 1; ordinal <= 6; ++ordinal) {
    FARPROC byOrdinal = ::GetProcAddress(q9xtest::plugin(), MAKEINTRESOURCEA(ordinal));
    EXPECT_NE(byOrdinal, nullptr) << ordinal;
    EXPECT_EQ(byOrdinal, ::GetProcAddress(q9xtest::plugin(), names[ordinal - 1])) << names[ordinal - 1];
  }
  TPluginInfo info{};
  exports().GetInfo(&info);
  EXPECT_EQ(q9x::readShort(info.PluginName), "Q9X-CUP-DIGI");
  EXPECT_EQ(info.PluginValue, 1);
  EXPECT_EQ(q9x::readShort(info.HostId), "vextor_contest");
}

TEST_F(DllHost, StatisticsWindowShowsTheLogAndFollowsContacts)
{
  ado.serve(L"Log", {kColumns,
                     {logged(L"UA3AAA", L"3.5", L"599 AB", L"UA3A"), logged(L"UA3BBB", L"3.5", L"599 CD", L"UA3A"),
                      logged(L"UA3AAA", L"3.5", L"599 AB", L"UA3A"), logged(L"UA9CCC", L"7", L"599 MO12", L"UA9"),
                      logged(L"UA9DDD", L"7", L"599 MO13", L"UA9"), logged(L"UA3EEE", L"14", L"599 EF", L"UA3A"),
                      logged(L"UA9FFF", L"14", L"599 KK01", L"UA9"), logged(L"UA9GGG", L"14", L"599 KK02", L"UA9")}});
  const HWND window = run();
  ASSERT_NE(window, nullptr);
  char className[64] = {};
  ::GetClassNameA(window, className, sizeof(className));
  EXPECT_STREQ(className, "TfmMainForm");
  EXPECT_EQ(q9xtest::windowText(window), "Test host in Q9X-CUP-DIGI");
  EXPECT_TRUE(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT frame{}, client{};
  ::GetWindowRect(window, &frame);
  ::GetClientRect(window, &client);
  EXPECT_EQ(std::make_pair(frame.left, frame.top), std::make_pair(1009L, 201L));
  EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(328L, 121L));

  const HWND grid = ::GetDlgItem(window, Q9X_IDC_StringGrid1);
  RECT row{};
  row.left = LVIR_BOUNDS;
  ::SendMessageA(grid, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  EXPECT_EQ(row.bottom - row.top, 17);
  EXPECT_EQ(::SendMessageA(grid, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(RGB(253, 255, 206)));

  EXPECT_EQ(gridRow(window, 0), (std::vector<std::string>{"Band", "QSOs", "Points", "Q9X Area", "RDA"}));
  EXPECT_EQ(gridRow(window, 1), (std::vector<std::string>{"80", "2", "2", "2", "0"}));
  EXPECT_EQ(gridRow(window, 2), (std::vector<std::string>{"40", "2", "10", "0", "2"}));
  EXPECT_EQ(gridRow(window, 3), (std::vector<std::string>{"Total", "7", "12", "3", "4"}));
  EXPECT_EQ(scoreLine(window), "Score: 12*(3+4)=84");

  // A second _Run keeps the window and its figures.
  EXPECT_EQ(run("Other"), window);
  const TPluginRecord repeat = rec({"UA3AAA", "3.5", "CW", "EU", "599 AB", "UA3A", "UA3A"});
  EXPECT_EQ(exports().GetScore(&repeat), -1);
  EXPECT_EQ(exports().AddQSO(&repeat), -1);
  const TPluginRecord fresh = rec({"UA9HHH", "7", "CW", "EU", "599 MO14", "UA9", "UA9"});
  EXPECT_EQ(exports().AddQSO(&fresh), 5);
  EXPECT_EQ(gridRow(window, 2), (std::vector<std::string>{"40", "3", "15", "0", "3"}));
  EXPECT_EQ(scoreLine(window), "Score: 17*(3+5)=136");
}

TEST_F(DllHost, GrabNumberReadsTheAreaFileBesideTheHost)
{
  ado.serve(L"Log", {kColumns, {}});
  unsigned char code[256] = {9, 'x'};
  const TPluginRecord station = rec({"UA3XYZ", "7", "CW", "EU", "", "UA3A", " ua3a "});
  exports().GrabNumber(&station, code);
  EXPECT_EQ(code[0], 0) << "answered with no window open";
  ASSERT_NE(run(), nullptr);
  exports().GrabNumber(&station, code);
  EXPECT_EQ(q9x::readShort(*reinterpret_cast<TShortString*>(code)), "AB");
}

TEST_F(DllHost, RecalcErrorsGoToTheErrorBoxAndLeaveNoOldFigures)
{
  const std::string host = "dll_host_tests";
  ado.serve(L"Log", {kColumns, {logged(L"UA3AAA", L"3.5", L"599 AB", L"UA3A"),
                                logged(L"UA3BBB", L"3.5", L"599 CD", L"UA3A"),
                                logged(L"UA3CCC", L"3.5", L"599 EF", L"UA3A")}});
  std::vector<std::wstring> withoutMainPrefix = kColumns;
  withoutMainPrefix.erase(withoutMainPrefix.begin() + 5);
  ado.serve(L"NoPrefix", {withoutMainPrefix, {{L"UA3AAA", L"3.5", L"CW", L"EU", L"599 AB", L"UA3A"}}});
  expectedBoxes = 3;

  // A missing table: the window opens, the error is shown, no figures.
  const HWND window = run("NoSuchTable");
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].title, host);
  EXPECT_NE(boxes.shown()[0].text.find("NoSuchTable"), std::string::npos) << boxes.shown()[0].text;
  EXPECT_EQ(scoreLine(window), "");
  EXPECT_EQ(gridRow(window, 3), (std::vector<std::string>{"Total", "", "", "", ""}));
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(window, Q9X_IDC_BitBtn1)));

  // A missing column, read from the host's current table at the next Recalc.
  TPluginRecord current = rec({}, "NoPrefix");
  exports().GetScore(&current);
  click(window, Q9X_IDC_BitBtn1);
  ASSERT_EQ(boxes.shown().size(), 2u);
  EXPECT_EQ(boxes.shown()[1].text, "LogQuery: Field 'MainPrefix' not found");

  // A failure part way: the rows before it are counted and shown.
  current = rec({}, "Log");
  exports().GetScore(&current);
  ado.failMoveNextFrom(1, AdoFailure{E_FAIL, L"The connection was lost"});
  click(window, Q9X_IDC_BitBtn1);
  ASSERT_EQ(boxes.shown().size(), 3u);
  EXPECT_NE(boxes.shown()[2].text.find("The connection was lost"), std::string::npos) << boxes.shown()[2].text;
  EXPECT_EQ(gridRow(window, 3)[1], "2");
  EXPECT_EQ(ado.openRecordsets(), 0);
}

TEST_F(DllHost, HostCallsWhileRecalcLetsMessagesRun)
{
  ado.serve(L"Log", {kColumns, {logged(L"R1AA", L"7", L"599 AB", L"UA3A"), logged(L"R1AB", L"3.5", L"599 AB", L"UA3A")}});
  const HWND window = run();
  ASSERT_EQ(scoreLine(window), "Score: 2*(2+0)=4");

  // Counted from inside the scan's messages, once the log is open: the scan refuses it again.
  const TPluginRecord inLog = rec({"R1AA", "7", "CW", "EU", "599 AB", "UA3A", "UA3A"});
  int scoreBefore = 0, added = 0;
  q9xtest::postToHost([&] {
    scoreBefore = exports().GetScore(&inLog);  // the engine was emptied, the scan not yet run
    added = exports().AddQSO(&inLog);
  }, true);
  click(window, Q9X_IDC_BitBtn1);
  EXPECT_EQ(scoreBefore, 1);
  EXPECT_EQ(added, 1);
  EXPECT_EQ(gridRow(window, 3)[1], "2");
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(window, Q9X_IDC_BitBtn1)));

  // A host that posts a message from every message it handles: each pass
  // ends with the messages that waited when it began.
  bool keepPosting = true;
  std::function<void()> repost = [&] {
    if (keepPosting) q9xtest::postToHost(repost);
  };
  q9xtest::postToHost(repost);
  click(window, Q9X_IDC_BitBtn1);
  keepPosting = false;
  q9xtest::pumpMessages();
  EXPECT_EQ(gridRow(window, 3)[1], "2");

  // Released from inside: the window outlives the Recalc and goes with the host's loop.
  for (bool secondPass : {false, true}) {
    const HWND open = run();
    ASSERT_NE(open, nullptr);
    q9xtest::postToHost([] { exports().Release(); }, secondPass);
    click(open, Q9X_IDC_BitBtn1);
    EXPECT_TRUE(::IsWindow(open));
    EXPECT_EQ(exports().GetScore(&inLog), 0) << "served after the release";
    q9xtest::pumpMessages();
    EXPECT_FALSE(::IsWindow(open));
  }

  // Released while the first showing recalculates: _Run answers no window.
  q9xtest::postToHost([] { exports().Release(); }, true);
  EXPECT_EQ(run(), nullptr);
  q9xtest::pumpMessages();
  EXPECT_EQ(q9xtest::findOwnWindow("TfmMainForm"), nullptr);
  EXPECT_EQ(ado.openRecordsets(), 0);
}

TEST_F(DllHost, CloseBoxMinimisesAndTheHostsCloseReleases)
{
  ado.serve(L"Log", {kColumns, {logged(L"R1AA", L"7", L"599 AB", L"UA3A")}});
  const HWND window = run();
  ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(::IsIconic(window));
  const TPluginRecord fresh = rec({"R1AB", "7", "CW", "EU", "599 AB", "UA3A", "UA3A"});
  EXPECT_EQ(exports().GetScore(&fresh), 1) << "a minimised window serves on";

  ::SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(exports().GetScore(&fresh), 0);
  q9xtest::pumpMessages();
  EXPECT_FALSE(::IsWindow(window));
  // The next _Run opens a new window.
  const HWND reopened = run();
  EXPECT_NE(reopened, nullptr);
  EXPECT_TRUE(::IsWindow(reopened));
}

}  // namespace
