#include <gtest/gtest.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/AreaTable.h"

namespace q9x {
namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string bytes;
  Lines lines;
};

class SplitAreaLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitAreaLines, FollowsTheLineRules)
{
  EXPECT_EQ(splitAreaLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitAreaLines,
    ::testing::Values(
        SplitCase{"CrLf", "UA3A=AB\r\nUA3B=AD\r\n", {"UA3A=AB", "UA3B=AD"}},
        SplitCase{"Lf", "UA3A=AB\nUA3B=AD\n", {"UA3A=AB", "UA3B=AD"}},
        SplitCase{"LoneCr", "UA3A=AB\rUA3B=AD", {"UA3A=AB", "UA3B=AD"}},
        SplitCase{"LfThenCrIsTwoEnds", "UA3A=AB\n\rUA3B=AD", {"UA3A=AB", "", "UA3B=AD"}},
        SplitCase{"LastLineWithoutEnd", "UA3A=AB\r\nUA3B=AD", {"UA3A=AB", "UA3B=AD"}},
        SplitCase{"FinalEndAddsNoLine", "UA3A=AB\r", {"UA3A=AB"}},
        SplitCase{"OnlyALineEnd", "\r\n", {""}},
        SplitCase{"EmptyText", "", {}},
        SplitCase{"EmptyLinesKept", "\n\nUA3A=AB\n\n", {"", "", "UA3A=AB", ""}},
        SplitCase{"NoTrimming", "  UA3A=AB \t\r\n", {"  UA3A=AB \t"}},
        SplitCase{"NulEndsText", std::string("UA3A=AB\nUA3B=AD\0\nUA3C=AG\n", 25), {"UA3A=AB", "UA3B=AD"}},
        SplitCase{"NulRightAfterLineEnd", std::string("UA3A=AB\r\n\0UA3B=AD", 18), {"UA3A=AB"}},
        SplitCase{"HighBytesKept", "\xC0\xFF=AB", {"\xC0\xFF=AB"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LookupCase {
  const char* name;
  Lines table;
  const char* dxcc;
  const char* mainPrefix;
  const char* expected;
};

class LookupArea : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupArea, AnswersTheExpectedCode)
{
  const LookupCase& c = GetParam();
  EXPECT_EQ(AreaTable(c.table).lookup(c.dxcc, c.mainPrefix), c.expected);
}

const Lines kTable = {"UA2=KA", "UA3A=AB", "RA3C=CL", "RV3D=DV"};

INSTANTIATE_TEST_SUITE_P(
    Rules, LookupArea,
    ::testing::Values(
        LookupCase{"FourCharacterPrefix", kTable, "UA3A", "RA3C", "CL"},
        LookupCase{"Ua2ThreeCharacterRule", kTable, "UA3A", "UA2", "KA"},
        LookupCase{"OtherThreeCharacterPrefix", {"RA3=XY"}, "UA3A", "RA3", ""},
        LookupCase{"FiveCharacterPrefixFindsNothing", {"RA3CX=ZZ"}, "UA3A", "RA3CX", ""},
        LookupCase{"EmptyPrefix", kTable, "UA3A", "", ""},
        LookupCase{"DxccOutsideTheArea", kTable, "UA", "RA3C", ""},
        LookupCase{"DxccEmpty", kTable, "", "RA3C", ""},
        LookupCase{"DxccTrimmedAndUpperCased", kTable, " \tua3a\r ", "RA3C", "CL"},
        LookupCase{"DxccWithInnerBlank", kTable, "UA 3A", "RA3C", ""},
        LookupCase{"MainPrefixCaseMatters", kTable, "UA3A", "ra3c", ""},
        LookupCase{"MainPrefixNotTrimmed", kTable, "UA3A", " UA2", ""},
        LookupCase{"PrefixFoundInsideTheLine", {"  RA3C=CL"}, "UA3A", "RA3C", "CL"},
        LookupCase{"CodeTrimmed", {"RA3C= C"}, "UA3A", "RA3C", "C"},
        LookupCase{"SeparatorNeedNotBeEquals", {"RA3C:CL"}, "UA3A", "RA3C", "CL"},
        LookupCase{"LastMatchingLineWins", {"RA3C=CL", "RA3C=CX"}, "UA3A", "RA3C", "CX"},
        LookupCase{"PrefixInALaterCodeColumnWins", {"UA3A=AB", "XXXX=UA3A=QQ"}, "UA3A", "UA3A", "QQ"},
        LookupCase{"ShortLineOverwritesWithEmpty", {"RA3C=CL", "RA3C"}, "UA3A", "RA3C", ""},
        LookupCase{"LaterNonMatchingLineKeepsAnswer", {"RA3C=CL", "RV3D=DV"}, "UA3A", "RA3C", "CL"},
        LookupCase{"EmptyTable", {}, "UA3A", "RA3C", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct ListedCase {
  const char* name;
  Lines table;
  Lines codes;
};

class ListedCodes : public ::testing::TestWithParam<ListedCase> {};

TEST_P(ListedCodes, OnePerLineWithASignInFileOrder)
{
  EXPECT_EQ(AreaTable(GetParam().table).listedCodes(), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ListedCodes,
    ::testing::Values(
        ListedCase{"CodeAfterTheSign", {"UA3A=AB", "UA2=KA"}, {"AB", "KA"}},
        ListedCase{"LineWithoutSignListsNothing", {"NOSIGN", "", "UA3A=AB"}, {"AB"}},
        ListedCase{"AtMostFourBytes", {"EF56=ABCDEF"}, {"ABCD"}},
        ListedCase{"TrimmedAfterTheCut", {"CD34= ZW ", "AB12=\t\rX"}, {"ZW", "X"}},
        ListedCase{"LineEndingInSignListsTheEmptyCode", {"GH78="}, {""}},
        ListedCase{"FirstSignCounts", {"KL12=A=B"}, {"A=B"}},
        ListedCase{"RepeatsKept", {"AB12=XY", "IJ90=XY"}, {"XY", "XY"}},
        ListedCase{"EmptyTable", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

class LoadAreaFile : public ::testing::Test {
 protected:
  void SetUp() override
  {
    folder = std::filesystem::temp_directory_path() /
             ("q9x-area-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
  }
  void TearDown() override
  {
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(folder);
  }
  std::filesystem::path write(const std::string& bytes)
  {
    std::filesystem::path path = folder / "Q9XCup.dom";
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  std::filesystem::path folder;
};

TEST_F(LoadAreaFile, ReadsTheLinesOfAnExistingFile)
{
  EXPECT_EQ(loadAreaFile(write("UA2=KA\r\nUA3A=AB\n\rRA3C=CL")),
            (Lines{"UA2=KA", "UA3A=AB", "", "RA3C=CL"}));
}

// Read as bytes on every system: CR LF is not turned into LF and ^Z does not
// end the text.
TEST_F(LoadAreaFile, ReadsBytesUntranslated)
{
  EXPECT_EQ(loadAreaFile(write("UA2=KA\r\n\x1AUA3A=AB\x1A\r\r\nRA3C=CL\x1A")),
            (Lines{"UA2=KA", "\x1AUA3A=AB\x1A", "", "RA3C=CL\x1A"}));
}

TEST_F(LoadAreaFile, MissingFileGivesAnEmptyTable)
{
  EXPECT_TRUE(loadAreaFile(folder / "absent.dom").empty());
  EXPECT_TRUE(loadAreaFile(folder / "absent" / "Q9XCup.dom").empty());
}

TEST_F(LoadAreaFile, EmptyFileGivesAnEmptyTable) { EXPECT_TRUE(loadAreaFile(write("")).empty()); }

#ifdef _WIN32
// Another program holds the file open without sharing it.
TEST_F(LoadAreaFile, FileThatExistsButCannotBeOpenedThrows)
{
  const std::filesystem::path path = write("UA3A=AB");
  HANDLE held = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_THROW(loadAreaFile(path), std::runtime_error);
  ::CloseHandle(held);
}
#else
// The kernel refuses every read of this file, whoever the user is: the test
// holds as root too.
TEST_F(LoadAreaFile, FileThatExistsButFailsToReadThrows)
{
  EXPECT_THROW(loadAreaFile("/proc/self/mem"), std::runtime_error);
}

// Permission bits do not stop root, so this case only runs as another user;
// the case above covers a failing read for root.
TEST_F(LoadAreaFile, FileWithoutReadPermissionThrows)
{
  if (::geteuid() == 0) GTEST_SKIP() << "root reads files whatever their permission bits";
  std::filesystem::path path = write("UA3A=AB");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  EXPECT_THROW(loadAreaFile(path), std::runtime_error);
}

TEST_F(LoadAreaFile, UnsearchableFolderIsAnErrorNotAMissingFile)
{
  if (::geteuid() == 0) GTEST_SKIP() << "root searches folders whatever their permission bits";
  std::filesystem::path path = write("UA3A=AB");
  std::filesystem::permissions(folder, std::filesystem::perms::none);
  EXPECT_THROW(loadAreaFile(path), std::runtime_error);
}

#endif

}  // namespace
}  // namespace q9x
