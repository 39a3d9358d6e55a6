// The example Windows host in C, run against the ADO double: it scores the
// log, counts one contact and closes, as a logger written from the guide
// would. Copied beside the unpacked package, the same program checks that the
// package holds everything a host needs.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "examples/hosts/win32-host.h"
#include "tests/win32/AdoDouble.h"
#include "tests/win32/DllHost.h"

namespace {

TEST(ExampleHost, ScoresTheLogAndCountsAContact)
{
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  {
    q9xtest::ErrorBoxes boxes;
    q9xtest::AdoConnectionDouble ado;
    ado.serve(L"Log", q9xtest::logTable({{L"R1AA", L"7", L"CW", L"EU", L"599 AB", L"UA3A", L"UA3A"},
                        {L"R1AB", L"3.5", L"CW", L"EU", L"599 AB", L"UA3A", L"UA3A"}}));
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    auto* connection = reinterpret_cast<IUnknown*>(static_cast<std::intptr_t>(ado.recordField()));
    EXPECT_EQ(win32HostScore(connection, "Log", out), 0);
    std::rewind(out);
    std::string printed;
    for (int c; (c = std::fgetc(out)) != EOF;) printed += static_cast<char>(c);
    std::fclose(out);
    EXPECT_EQ(printed,
              "log: Score: 2*(2+0)=4\n"
              "RZ3AZZ would earn 1\n"
              "RZ3AZZ counted for 1\n"
              "again it would earn -1\n"
              "now: Score: 3*(2+0)=6\n");
    EXPECT_EQ(q9xtest::findOwnWindow("TfmMainForm"), nullptr);
    EXPECT_EQ(ado.openRecordsets(), 0);
    // What the guide promises of ADO: one statement for the count, no other interface asked for.
    EXPECT_EQ(ado.commands(), std::vector<std::wstring>{L"Select * from Log order by CallSign"});
    EXPECT_TRUE(ado.askedInterfaces().empty());
    for (const auto& box : boxes.shown()) ADD_FAILURE() << "error box: " << box.text;
  }
  ::CoUninitialize();
}

}  // namespace
