// The area file the project ships, as a host beside it sees it through the
// library's exchange proposal.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <algorithm>
#include <string>

#include "LogDatabase.h"
#include "engine/AreaTable.h"
#include "plugin/q9xcup.h"

namespace q9x::test {
namespace {

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isUpperOrDigit(char c) { return isUpper(c) || (c >= '0' && c <= '9'); }

// "UA2=CC" or "PPPP=CC": a prefix, "=", two capital letters.
bool hasEntryShape(const std::string& line)
{
  if (line.size() < 3) return false;
  const std::size_t separator = line.size() - 3;
  if (line[separator] != '=' || !isUpper(line[separator + 1]) ||
      !isUpper(line[separator + 2]))
    return false;
  const std::string prefix = line.substr(0, separator);
  return prefix == "UA2" || (prefix.size() == 4 && std::all_of(prefix.begin(), prefix.end(), isUpperOrDigit));
}

class ShippedAreaFile : public ::testing::Test {
 protected:
  void SetUp() override
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    ASSERT_TRUE(db.open());
    createLogTable(db, "Log", {});
    TPluginRecord host{};
    writeShort(host.TableName, "Log");
    ASSERT_NE(_Run(0, &host), 0);
    table = loadAreaFile(QCoreApplication::applicationDirPath().toStdString() + "/Plugins/Q9XCup.dom");
  }

  void TearDown() override
  {
    _Release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QSqlDatabase::database().close();
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
  }

  static std::string proposal(const std::string& dxccPrefix, const std::string& mainPrefix)
  {
    TPluginRecord r{};
    writeShort(r.DXCCPrefix, dxccPrefix);
    writeShort(r.MainPrefix, mainPrefix);
    unsigned char result[256];
    _GrabNumber(&r, result);
    return std::string(readShort(*reinterpret_cast<TShortString*>(result)));
  }

  std::vector<std::string> table;
};

TEST_F(ShippedAreaFile, EveryLineHasTheDocumentedShape)
{
  ASSERT_GE(table.size(), 20u);
  bool hasUa2 = false;
  for (const std::string& line : table) {
    EXPECT_TRUE(hasEntryShape(line)) << line;
    hasUa2 = hasUa2 || line.starts_with("UA2=");
  }
  EXPECT_TRUE(hasUa2);
}

// No prefix occurs in another line, so each is proposed its own code.
TEST_F(ShippedAreaFile, EveryPrefixIsProposedItsOwnCode)
{
  for (const std::string& line : table) {
    const std::size_t separator = line.find('=');
    EXPECT_EQ(proposal("UA3A", line.substr(0, separator)), line.substr(separator + 1)) << line;
  }
}

TEST_F(ShippedAreaFile, ProposalsFollowTheStationsArea)
{
  EXPECT_EQ(proposal("UA3A", "UA2"), "KA");
  EXPECT_EQ(proposal(" ua3a ", "RA3C"), "CL");
  EXPECT_EQ(proposal("UA", "RA3C"), "");
  EXPECT_EQ(proposal("UA3A", "RA3"), "");
  EXPECT_EQ(proposal("UA3A", "RA3CX"), "");
}

}  // namespace
}  // namespace q9x::test
