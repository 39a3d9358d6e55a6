// The table name is the one part of the log statement the host decides.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "engine/LogStatement.h"

namespace q9x {
namespace {

TEST(LogStatement, TakesPlainQuotedAndQualifiedNames)
{
  for (const char* name : {"Log", "log_2024", "_Log$1", "main.Log", "\"My Log\"", "\"a\"\"b\"", "[Log 1]",
                           "`Log`", "public . \"Log\"", " Log ", "db.main.Log", "\xc6\xd3\xd0\xcd\xc0\xcb"})
    EXPECT_TRUE(isTableName(name)) << name;
  EXPECT_EQ(logStatement("main.Log"), "Select * from main.Log order by CallSign");
}

TEST(LogStatement, RefusesAnythingAfterOrAroundTheName)
{
  for (const char* name : {"", " ", "Log; drop table Other; --", "Log;", "Log --", "Log /* */", "Log where 0",
                           "Log,Other", "Log Other", "1Log", "\"Log", "\"Log\"x", "[Log", "Log.", ".Log",
                           "Log..x", "(select 1)", "Log union select 1"})
    EXPECT_FALSE(isTableName(name)) << name;
  EXPECT_FALSE(isTableName(std::string("Log\0x", 5)));
  EXPECT_FALSE(isTableName(std::string("\"Lo\0g\"", 6)));
  try {
    logStatement("Log; drop table Other");
    ADD_FAILURE() << "a statement tail was taken";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "TableName 'Log; drop table Other' is not a table name: only a plain, "
                                     "quoted or schema-qualified name is read");
  }
}

}  // namespace
}  // namespace q9x
