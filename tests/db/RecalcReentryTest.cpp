// Host calls that arrive while a recalculation lets pending messages run,
// driven through the library's exports as a host makes them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "LogDatabase.h"
#include "hostkit/ErrorBoxWatcher.h"
#include "plugin/q9xcup.h"

namespace q9x::test {
namespace {

TPluginRecord record(const char* call, const char* band, const char* mainPrefix = "UA3A",
                     const char* report = "599 AB")
{
  TPluginRecord r{};
  writeShort(r.TableName, "Log");
  writeShort(r.CaptionText, "Test host");
  writeShort(r.MyMainPrefix, "UA3A");
  writeShort(r.CallSign, call);
  writeShort(r.DigiBand, band);
  writeShort(r.QSOMode, "RTTY");
  writeShort(r.MainPrefix, mainPrefix);
  writeShort(r.DXCCPrefix, "UA3A");
  writeShort(r.QSOReportRecived, report);
  return r;
}

LogEntry logged(const char* call, const char* band)
{
  LogEntry e;
  e.CallSign = QString::fromLatin1(call);
  e.DigiBand = QString::fromLatin1(band);
  return e;
}

QWidget* statisticsWindow()
{
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("fmMainForm") && w->isVisible()) return w;
  return nullptr;
}

// Runs work at the second time pending messages are processed from now on. A
// recalculation processes them once before it starts and once more right
// after its log query opened, so work runs in the middle of the scan.
void atSecondMessageProcessing(std::function<void()> work)
{
  QTimer::singleShot(0, [work = std::move(work)] { QTimer::singleShot(0, work); });
}

class RecalcReentry : public ::testing::Test {
 protected:
  void SetUp() override
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    ASSERT_TRUE(db.open());
    createLogTable(db, "Log",
                   {logged("R1AA", "7"), logged("R1AA", "7"), logged("R1AB", "3.5"), logged("R1AC", "7")});
    TPluginRecord host = record("", "7");
    ASSERT_NE(_Run(0, &host), 0);
    window = statisticsWindow();
    ASSERT_TRUE(window);
  }

  void TearDown() override
  {
    _Release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QSqlDatabase::database().close();
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
  }

  void pressRecalc() { window->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click(); }
  QString score() const { return window->findChild<QLabel*>(QStringLiteral("Label1"))->text(); }
  QString totalQsos() const
  {
    return window->findChild<QTableWidget*>(QStringLiteral("StringGrid1"))->item(3, 1)->text();
  }

  QPointer<QWidget> window;
};

TEST_F(RecalcReentry, ContactsAddedDuringTheScanAreCountedOnce)
{
  ASSERT_EQ(score(), "Score: 3*(2+0)=6");
  const TPluginRecord inLog = record("R1AA", "7");
  const TPluginRecord notInLog = record("DL1AA", "14", "DL", "599 MO12");
  bool ran = false;
  std::int32_t scoreBefore = 0, added = 0, repeated = 0, addedNew = 0;
  atSecondMessageProcessing([&] {
    ran = true;
    scoreBefore = _GetScore(&inLog);  // the engine was emptied, the scan not yet run
    added = _AddQSO(&inLog);
    repeated = _AddQSO(&inLog);
    addedNew = _AddQSO(&notInLog);
  });
  pressRecalc();

  ASSERT_TRUE(ran);
  EXPECT_EQ(scoreBefore, 1);
  EXPECT_EQ(added, 1);
  EXPECT_EQ(repeated, -1);
  EXPECT_EQ(addedNew, 0);
  // R1AA once, R1AB, R1AC and DL1AA: 3 points, area AB on 7 and 3.5, RDA MO12 on 14.
  EXPECT_EQ(totalQsos(), "4");
  EXPECT_EQ(score(), "Score: 3*(2+1)=9");
  EXPECT_EQ(_GetScore(&inLog), -1);
  EXPECT_EQ(_GetScore(&notInLog), -1);
}

// The host may close the plug-in from any message the recalculation lets
// run; the window must outlive the recalculation that is still on the stack.
class ReleaseDuringRecalc : public RecalcReentry, public ::testing::WithParamInterface<bool> {};

TEST_P(ReleaseDuringRecalc, WindowIsDestroyedOnlyAfterTheRecalculation)
{
  bool ran = false;
  auto release = [&] {
    ran = true;
    _Release();
  };
  if (GetParam())
    atSecondMessageProcessing(release);
  else
    QTimer::singleShot(0, release);
  pressRecalc();

  ASSERT_TRUE(ran);
  EXPECT_TRUE(window) << "the window was destroyed under its own recalculation";
  TPluginRecord after = record("R1AA", "7");
  EXPECT_EQ(_GetScore(&after), 0);  // released: the plug-in answers as with no window
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(window);
}

INSTANTIATE_TEST_SUITE_P(Moments, ReleaseDuringRecalc, ::testing::Values(false, true),
                         [](const auto& info) {
                           return std::string(info.param ? "AfterTheQueryOpened" : "BeforeTheLogIsRead");
                         });

// The host works on its log file while the recalculation lets events run:
// it closes the log, opens it again and adds a contact. Its close must be
// clean, its write must not wait for the plug-in, and the figures are those
// of the log as the host left it.
TEST(HostDatabaseDuringRecalc, HostReopensAndWritesItsLog)
{
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(dir.filePath(QStringLiteral("log.sqlite")));
    ASSERT_TRUE(db.open());
    execute(db, "create table Log (CallSign, DigiBand, QSOMode, QSOReportRecived, MainPrefix, "
                "DXCCPrefix, Continent)");
    execute(db, "insert into Log values ('R1AA', '7', 'RTTY', '599 AB', 'UA3A', 'UA3A', 'EU'), "
                "('R1AB', '3.5', 'RTTY', '599 AC', 'UA3A', 'UA3A', 'EU')");
  }
  TPluginRecord host = record("", "7");
  ASSERT_NE(_Run(0, &host), 0);
  QPointer<QWidget> window = statisticsWindow();
  ASSERT_TRUE(window);

  QString closeError = QStringLiteral("not run");
  bool written = false;
  atSecondMessageProcessing([&] {
    QSqlDatabase db = QSqlDatabase::database();
    db.close();
    closeError = db.lastError().text();
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    ASSERT_TRUE(db.open());
    written = QSqlQuery(db).exec("insert into Log values ('R1AC', '7', 'RTTY', '599 AD', 'UA3A', "
                                 "'UA3A', 'EU')");
  });
  q9xkit::ErrorBoxWatcher errors;
  window->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();

  EXPECT_EQ(closeError, "");
  EXPECT_TRUE(written);
  EXPECT_EQ(errors.texts(), QStringList{});
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label1"))->text(), "Score: 3*(3+0)=9");

  _Release();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QSqlDatabase::database().close();
  QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
}

}  // namespace
}  // namespace q9x::test
