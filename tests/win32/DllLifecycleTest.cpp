// Hosts that stress the DLL's lifecycle: a thousand openings and releases
// with the memory watched, unloading and loading it again with windows open,
// two copies under different names in one process, a release from a host's
// timer while Recalc lets messages run, and a host that never pumps its
// messages. A program of its own: each test loads and unloads the DLL itself.

#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <string>

#include "tests/win32/AdoDouble.h"
#include "tests/win32/DllHost.h"

namespace {

using q9xtest::AdoConnectionDouble;

template <class Function>
Function exported(HMODULE dll, const char* name)
{
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(dll, name)));
}

// Wine leaves the private-bytes counter at 0, so the growth is measured as
// the heaps' blocks in use (every allocation of the DLL and its runtime
// lands there) and, more loosely, as the working set.
std::size_t heapBytesInUse()
{
  HANDLE heaps[64];
  const DWORD count = std::min<DWORD>(::GetProcessHeaps(64, heaps), 64);
  std::size_t inUse = 0;
  for (DWORD h = 0; h < count; ++h) {
    if (!::HeapLock(heaps[h])) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (::HeapWalk(heaps[h], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) inUse += entry.cbData;
    }
    ::HeapUnlock(heaps[h]);
  }
  return inUse;
}

std::size_t workingSet()
{
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
  return counters.WorkingSetSize;
}

std::size_t growth(std::size_t before, std::size_t after) { return after > before ? after - before : 0; }

void click(HWND window, int id) { ::SendMessageA(::GetDlgItem(window, id), BM_CLICK, 0, 0); }
std::string scoreLine(HWND window) { return q9xtest::windowText(::GetDlgItem(window, Q9X_IDC_Label1)); }

class DllLifecycle : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ado.serve(L"Log", q9xtest::logTable({{L"R1AA", L"7", L"CW", L"EU", L"599 AB", L"UA3A", L"UA3A"},
                        {L"R1AB", L"3.5", L"CW", L"EU", L"599 AB", L"UA3A", L"UA3A"}}));
  }
  void TearDown() override
  {
    q9xtest::pumpMessages();
    EXPECT_EQ(q9xtest::findOwnWindow("TfmMainForm"), nullptr) << "a window was left";
    EXPECT_EQ(q9xtest::findOwnWindow("TfmDomList"), nullptr) << "an area window was left";
    EXPECT_EQ(ado.openRecordsets(), 0);
    EXPECT_EQ(ado.liveObjects(), 0);
    for (const auto& box : boxes.shown()) ADD_FAILURE() << "error box: " << box.text;
    ::CoUninitialize();
  }

  HWND run(HMODULE dll)
  {
    const TPluginRecord host = q9xtest::record(ado.recordField(), "Log");
    return reinterpret_cast<HWND>(exported<q9x_run_fn>(dll, "_Run")(0, &host));
  }
  int score(HMODULE dll, const q9xtest::Contact& contact)
  {
    const TPluginRecord rec = q9xtest::record(ado.recordField(), "Log", contact);
    return exported<q9x_get_score_fn>(dll, "_GetScore")(&rec);
  }

  AdoConnectionDouble ado;
  q9xtest::ErrorBoxes boxes;
};

const q9xtest::Contact kNew{"R1AC", "7", "CW", "EU", "599 AB", "UA3A", "UA3A"};

TEST_F(DllLifecycle, AThousandRunsAndReleasesKeepMemoryBounded)
{
  HMODULE dll = ::LoadLibraryA("q9xcup.dll");
  ASSERT_NE(dll, nullptr);
  const auto run = exported<q9x_run_fn>(dll, "_Run");
  const auto release = exported<q9x_release_fn>(dll, "_Release");
  // Each batch has a log connection of its own, gone before the memory is
  // measured: the double keeps a record of every call made on it.
  auto cycles = [&](int from, int to) {
    AdoConnectionDouble log;
    log.serve(L"Log", q9xtest::logTable({{L"R1AA", L"7", L"CW", L"EU", L"599 AB", L"UA3A", L"UA3A"}}));
    const TPluginRecord host = q9xtest::record(log.recordField(), "Log");
    for (int k = from; k < to; ++k) {
      const HWND window = reinterpret_cast<HWND>(run(0, &host));
      ASSERT_NE(window, nullptr) << k;
      if (k % 7 == 0) click(window, Q9X_IDC_btnOBL1);
      release();
      q9xtest::pumpMessages();
      ASSERT_FALSE(::IsWindow(window)) << k;
    }
  };
  // The first rounds settle the heaps, the fonts and the comctl32 caches.
  cycles(0, 100);
  const std::size_t heapSettled = heapBytesInUse(), setSettled = workingSet();
  cycles(100, 1000);
  const std::size_t heapGrown = growth(heapSettled, heapBytesInUse());
  const std::size_t setGrown = growth(setSettled, workingSet());
  std::printf("after 100 cycles: heap in use %zu, working set %zu; growth over 900 more: heap %zu, working set %zu\n",
              heapSettled, setSettled, heapGrown, setGrown);
  ASSERT_GT(heapSettled, 0u) << "the heaps cannot be measured here";
  ASSERT_GT(setSettled, 0u) << "the working set cannot be measured here";
  // One small block left behind per cycle shows as well over the heap bound.
  EXPECT_LT(heapGrown, 16u * 1024u);
  EXPECT_LT(setGrown, 4u * 1024u * 1024u);
  ASSERT_TRUE(::FreeLibrary(dll));
}

TEST_F(DllLifecycle, UnloadedAndLoadedTwentyTimesWithWindowsOpenInSome)
{
  for (int round = 0; round < 20; ++round) {
    HMODULE dll = ::LoadLibraryA("q9xcup.dll");
    ASSERT_NE(dll, nullptr) << round;
    const HWND window = run(dll);
    ASSERT_NE(window, nullptr) << round;
    EXPECT_EQ(scoreLine(window), "Score: 2*(2+0)=4") << round;
    if (round % 2 == 0) click(window, Q9X_IDC_btnOBL1);
    if (round % 4 == 1) exported<q9x_release_fn>(dll, "_Release")();
    ASSERT_TRUE(::FreeLibrary(dll));
    EXPECT_FALSE(::IsWindow(window)) << round;
    // Nothing of the DLL is left for the host's loop to call.
    q9xtest::pumpMessages();
  }
}

TEST_F(DllLifecycle, TwoCopiesUnderDifferentNamesServeApart)
{
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of("\\/") + 1);
  const std::string copy = folder + "q9xcup-second.dll";
  ASSERT_TRUE(::CopyFileA((folder + "q9xcup.dll").c_str(), copy.c_str(), FALSE));
  HMODULE first = ::LoadLibraryA("q9xcup.dll");
  HMODULE second = ::LoadLibraryA(copy.c_str());
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  ASSERT_NE(first, second);

  const HWND one = run(first);
  const HWND two = run(second);
  ASSERT_NE(one, nullptr);
  ASSERT_NE(two, nullptr);
  EXPECT_NE(one, two);
  // Each copy has its own session: a contact counted by one is new to the other.
  const TPluginRecord contact = q9xtest::record(ado.recordField(), "Log", kNew);
  EXPECT_EQ(exported<q9x_add_qso_fn>(first, "_AddQSO")(&contact), 1);
  EXPECT_EQ(score(first, kNew), -1);
  EXPECT_EQ(score(second, kNew), 1);

  // Unloading one leaves the other's window working.
  ASSERT_TRUE(::FreeLibrary(first));
  EXPECT_FALSE(::IsWindow(one));
  ASSERT_TRUE(::IsWindow(two));
  click(two, Q9X_IDC_BitBtn1);
  click(two, Q9X_IDC_btnOBL1);
  EXPECT_EQ(scoreLine(two), "Score: 2*(2+0)=4");
  q9xtest::pumpMessages();
  exported<q9x_release_fn>(second, "_Release")();
  q9xtest::pumpMessages();
  EXPECT_FALSE(::IsWindow(two));
  ASSERT_TRUE(::FreeLibrary(second));
  ::DeleteFileA(copy.c_str());
}

HMODULE timerDll = nullptr;
void CALLBACK releaseFromTimer(HWND, UINT, UINT_PTR id, DWORD)
{
  ::KillTimer(nullptr, id);
  exported<q9x_release_fn>(timerDll, "_Release")();
}

TEST_F(DllLifecycle, ReleaseFromAHostTimerDuringRecalcThenClicks)
{
  timerDll = ::LoadLibraryA("q9xcup.dll");
  ASSERT_NE(timerDll, nullptr);
  const HWND window = run(timerDll);
  ASSERT_NE(window, nullptr);
  click(window, Q9X_IDC_btnOBL1);
  const HWND area = q9xtest::findOwnWindow("TfmDomList");
  ASSERT_NE(area, nullptr);

  ::SetTimer(nullptr, 0, 1, releaseFromTimer);
  ::Sleep(20);  // due before the Recalc lets the host's messages run
  click(window, Q9X_IDC_BitBtn1);
  EXPECT_EQ(score(timerDll, kNew), 0) << "served after the release";

  // The operator goes on clicking the released windows before the loop runs.
  for (int id : {Q9X_IDC_BitBtn1, Q9X_IDC_btnOBL1}) {
    if (::IsWindow(window)) click(window, id);
  }
  for (int id = Q9X_IDC_RzBitBtn1; id <= Q9X_IDC_RzBitBtn9; ++id) {
    if (::IsWindow(area)) click(area, id);
  }
  q9xtest::pumpMessages();
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_FALSE(::IsWindow(area));
  // The next _Run opens a fresh window.
  const HWND reopened = run(timerDll);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(scoreLine(reopened), "Score: 2*(2+0)=4");
  exported<q9x_release_fn>(timerDll, "_Release")();
  q9xtest::pumpMessages();
  ASSERT_TRUE(::FreeLibrary(timerDll));
}

TEST_F(DllLifecycle, AHostThatNeverPumpsItsMessages)
{
  HMODULE dll = ::LoadLibraryA("q9xcup.dll");
  ASSERT_NE(dll, nullptr);
  const auto release = exported<q9x_release_fn>(dll, "_Release");
  const TPluginRecord contact = q9xtest::record(ado.recordField(), "Log", kNew);
  HWND last = nullptr;
  for (int k = 0; k < 5; ++k) {
    last = run(dll);
    ASSERT_NE(last, nullptr) << k;
    EXPECT_EQ(score(dll, kNew), 1) << k;
    EXPECT_EQ(exported<q9x_add_qso_fn>(dll, "_AddQSO")(&contact), 1) << k;
    EXPECT_EQ(score(dll, kNew), -1) << k;
    release();
    EXPECT_EQ(score(dll, kNew), 0) << "served after the release";
  }
  // Unloading takes the windows the loop never got to destroy.
  ASSERT_TRUE(::FreeLibrary(dll));
  EXPECT_FALSE(::IsWindow(last));
}

}  // namespace
