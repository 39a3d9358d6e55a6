// The host's prefix table: callsigns to main and DXCC prefix, portable forms,
// and the shipped file in step with the plug-in's area file.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "host/PrefixTable.h"

using namespace q9xhost;

namespace {

struct LookupCase {
  const char* callSign;
  const char* mainPrefix;  // empty: no entry fits
  const char* dxccPrefix;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.callSign; }

class ShippedPrefixes : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ShippedPrefixes, GiveTheStationsPrefixes)
{
  const PrefixTable table = PrefixTable::load(Q9X_PREFIX_FILE);
  const std::optional<StationPrefixes> found = table.lookup(GetParam().callSign);
  const StationPrefixes got = found.value_or(StationPrefixes{});
  EXPECT_EQ(got.mainPrefix.toStdString(), GetParam().mainPrefix);
  EXPECT_EQ(got.dxccPrefix.toStdString(), GetParam().dxccPrefix);
}

INSTANTIATE_TEST_SUITE_P(
    Host, ShippedPrefixes,
    ::testing::Values(LookupCase{"R3AA", "UA3A", "UA3A"}, LookupCase{"rk3kk", "UA3A", "UA3A"},
                      LookupCase{"UA3BZ", "UA3B", "UA3A"}, LookupCase{"RW3DX", "RW3D", "UA3A"},
                      LookupCase{"UA2FIS", "UA2", "UA3A"}, LookupCase{"R3AA/P", "UA3A", "UA3A"},
                      LookupCase{"R3AA/QRP", "UA3A", "UA3A"}, LookupCase{"RA3AZ/1", "UA1", "UA"},
                      LookupCase{"DL/R3AA", "DL", "DL"}, LookupCase{"R3AA/UA9", "UA9", "UA9"},
                      LookupCase{"RA4XY", "UA4", "UA"}, LookupCase{"UR5ABC", "UR", "UR"},
                      LookupCase{"4X4AB", "4X", "4X"}, LookupCase{"XX9XX", "", ""}),
    [](const auto& info) {
      std::string name = info.param.callSign;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

QStringList lines(const char* path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// Every district of the area file is reached from its callsigns, and every
// main prefix the table places in the area has a code in the area file.
TEST(ShippedPrefixTable, AgreesWithTheAreaFile)
{
  const PrefixTable table = PrefixTable::load(Q9X_PREFIX_FILE);
  QStringList areaPrefixes;
  for (const QString& line : lines(Q9X_AREA_FILE)) areaPrefixes << line.section('=', 0, 0);
  ASSERT_EQ(areaPrefixes.size(), 29);
  for (const QString& prefix : areaPrefixes) {
    const std::optional<StationPrefixes> found = table.lookup(prefix + "ZZ");
    ASSERT_TRUE(found) << prefix.toStdString();
    EXPECT_EQ(found->mainPrefix, prefix);
    EXPECT_EQ(found->dxccPrefix, "UA3A");
  }
  for (const QString& line : lines(Q9X_PREFIX_FILE)) {
    const QStringList fields = line.section('#', 0, 0).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    if (fields.size() == 3 && fields[2] == "UA3A") {
      EXPECT_TRUE(areaPrefixes.contains(fields[1])) << line.toStdString();
    }
  }
}

TEST(PrefixFile, NamesTheLineOfAMalformedEntry)
{
  QTemporaryDir dir;
  const QString path = dir.filePath("prefixes.txt");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("# mine\nR3 UA3A UA3A\nR[A-Z3 UA3A UA3A\n");
  file.close();
  try {
    PrefixTable::load(path);
    FAIL() << "loaded";
  } catch (const PrefixFileError& e) {
    EXPECT_EQ(std::string(e.what()), (path + ", line 3: a letter set [ without ]").toStdString());
  }
}

}  // namespace
