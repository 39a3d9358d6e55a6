// A damaged or locked settings store: the window opens all the same, the
// failure is reported as the stored-settings rules name it, and nothing else
// in the store is lost. Locked stores need an ordinary user, as root ignores
// file modes: run as root, the test runs itself again as user nobody.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "SettingsTestSupport.h"
#include "StoredWindow.h"

namespace q9x::test {
namespace {

const QString kSection = QStringLiteral("TfmTest");
const QString kOther = QStringLiteral("TfmOther");

struct FaultRow {
  const char* name;
  bool needsOrdinaryUser;
  // Damages the store; the section TfmOther holds Keep=1 where the fault leaves room for it.
  std::function<void(const QString& storeFile)> damage;
  QStringList errors;
  bool otherValueKept;
};

class StoreFaults : public StoreTest, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(StoreFaults, WindowOpensAndTheFaultIsReported)
{
  const FaultRow& row = GetParam();
  if (row.needsOrdinaryUser && geteuid() == 0) {
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
      GTEST_SKIP() << "running as root without setpriv: no ordinary user to lock the store against";
    // The same test as user nobody, in a temporary folder of its own.
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QStringLiteral("setpriv"),
                {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--", QCoreApplication::applicationFilePath(),
                 QStringLiteral("--gtest_filter=*StoreFaults*%1").arg(QLatin1String(row.name))});
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitCode(), 0) << "as user nobody";
    return;
  }
  store(kOther, "Keep", "1");
  store(kSection, "NormPos", "300,200,700,500");
  row.damage(storeFile());
  StoredWindow w(kSection, fpPosition | fpState, false, {{QStringLiteral("CurrentBand"), 0}});
  w.show();
  QApplication::processEvents();
  EXPECT_TRUE(w.isVisible());
  w.close();
  EXPECT_EQ(errors, row.errors);
  if (row.otherValueKept) {
    EXPECT_EQ(stored(kOther, "Keep"), "1");
  }
  const QRect reach = availableAreas.front();
  EXPECT_TRUE(reach.intersects(w.frameGeometry()));
  EXPECT_LE(w.frameGeometry().width(), reach.width());
}

void lockFile(const QString& storeFile) { ::chmod(QFile::encodeName(storeFile).constData(), 0444); }
void lockFolder(const QString& storeFile)
{
  QFile::remove(storeFile);
  ::chmod(QFile::encodeName(QFileInfo(storeFile).path()).constData(), 0555);
}
void emptyFile(const QString& storeFile)
{
  QFile file(storeFile);
  file.open(QFile::WriteOnly | QFile::Truncate);
}
void garbage(const QString& storeFile)
{
  QFile file(storeFile);
  file.open(QFile::Append);
  QByteArray bytes(3 << 20, '\0');
  QRandomGenerator random(11);
  for (char& c : bytes) c = static_cast<char>(random.bounded(256));
  file.write(bytes);
}
void extremeNumbers(const QString& storeFile)
{
  QSettings settings(storeFile, QSettings::IniFormat);
  settings.beginGroup(kSection);
  for (const char* name : {"FormVersion", "Flags", "ShowCmd", "PixelsPerInch"})
    settings.setValue(QLatin1String(name), QStringLiteral("-99999999999999999999999"));
  settings.setValue(QStringLiteral("NormPos"), QStringLiteral("-2147483648,2147483647,2147483647,-2147483648"));
  settings.setValue(QStringLiteral("NormPos(1024x768)"),
                    QStringLiteral("-2147483648,-2147483648,99999999999999999999,2147483647"));
  settings.setValue(QStringLiteral("CurrentBand"), QStringLiteral("99999999999999999999"));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, StoreFaults,
    ::testing::Values(FaultRow{"ReadOnlyFile", true, lockFile, {"Failed to set data for 'FormVersion'"}, true},
                      FaultRow{"ReadOnlyFolder", true, lockFolder, {"Failed to create key TfmTest"}, false},
                      FaultRow{"ZeroBytes", false, emptyFile, {}, false},
                      FaultRow{"MegabytesOfGarbage", false, garbage, {}, true},
                      FaultRow{"ExtremeNumbers", false, extremeNumbers, {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace q9x::test
