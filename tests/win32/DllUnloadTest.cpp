// A host that unloads the DLL with its windows open and loads it again: the
// windows go with it, its window classes are removed, and the next load
// works as the first. A program of its own, as the other tests keep the DLL
// loaded for their whole run.

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/AdoDouble.h"
#include "tests/win32/DllHost.h"
#include "tests/win32/UserRegistry.h"

namespace {

template <class Function>
Function exported(HMODULE dll, const char* name)
{
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(dll, name)));
}

TEST(DllUnload, WindowsAndClassesGoWithTheDllAndItLoadsAgain)
{
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  q9xtest::ErrorBoxes boxes;
  q9xtest::AdoConnectionDouble ado;
  ado.serve(L"Log", q9xtest::logTable({{L"R1AA", L"7", L"CW", L"EU", L"599 AB", L"UA3A", L"UA3A"}}));
  for (int round = 0; round < 3; ++round) {
    HMODULE dll = ::LoadLibraryA("q9xcup.dll");
    ASSERT_NE(dll, nullptr);
    const TPluginRecord host = q9xtest::record(ado.recordField(), "Log");
    const HWND statistics = reinterpret_cast<HWND>(exported<q9x_run_fn>(dll, "_Run")(0, &host));
    ASSERT_NE(statistics, nullptr) << round;
    EXPECT_EQ(q9xtest::windowText(::GetDlgItem(statistics, Q9X_IDC_Label1)), "Score: 1*(1+0)=1");
    // The area window in some rounds; a release not yet carried out in one.
    if (round != 1) ::SendMessageA(::GetDlgItem(statistics, Q9X_IDC_btnOBL1), BM_CLICK, 0, 0);
    if (round == 2) exported<q9x_release_fn>(dll, "_Release")();

    ASSERT_TRUE(::FreeLibrary(dll));
    EXPECT_FALSE(::IsWindow(statistics)) << round;
    EXPECT_EQ(q9xtest::findOwnWindow("TfmDomList"), nullptr) << round;
    WNDCLASSEXA info{};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(::GetClassInfoExA(dll, "TfmMainForm", &info)) << round;
    EXPECT_FALSE(::GetClassInfoExA(dll, "TfmDomList", &info)) << round;
    // Nothing of the DLL is left to run from the host's loop.
    q9xtest::pumpMessages();
    EXPECT_EQ(ado.openRecordsets(), 0);
  }
  EXPECT_TRUE(boxes.shown().empty());
  ::CoUninitialize();
}

// The loader unloads the DLL holding its lock: the windows still open are
// destroyed then, and a save that fails there is not shown, as no error box
// may run under that lock.
TEST(DllUnload, AFailedSaveAtUnloadShowsNoBox)
{
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  q9xtest::ErrorBoxes boxes;
  q9xtest::AdoConnectionDouble ado;
  ado.serve(L"Log", q9xtest::logTable());
  // Under a volatile key only volatile keys can be made: no section can.
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, ("Software\\" + q9xtest::thisHost()).c_str(), 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegCloseKey(key);

  HMODULE dll = ::LoadLibraryA("q9xcup.dll");
  ASSERT_NE(dll, nullptr);
  const TPluginRecord host = q9xtest::record(ado.recordField(), "Log");
  const HWND statistics = reinterpret_cast<HWND>(exported<q9x_run_fn>(dll, "_Run")(0, &host));
  ASSERT_NE(statistics, nullptr);
  ASSERT_TRUE(::FreeLibrary(dll));
  EXPECT_FALSE(::IsWindow(statistics));
  q9xtest::pumpMessages();
  EXPECT_TRUE(boxes.shown().empty());
  ::CoUninitialize();
}

}  // namespace
