// A host that calls the six exports in random order with realistic and with
// random records, logs what it counts as a host does, presses the windows'
// buttons, and checks every answer and the shown figures against
// ContestModel. The seed is printed with any failure:
//   Q9X_RANDOMHOST_SEED=N Q9X_RANDOMHOST_STEPS=N build/bin/randomhost_tests

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QSqlDatabase>
#include <QTableWidget>
#include <QWindow>
#include <string>

#include "tests/randomhost/ModelCheckedHost.h"
#include "tests/support/ErrorBoxCapture.h"
#include "tests/support/LoadedPlugin.h"
#include "tests/support/LogTable.h"

namespace q9xtest {
namespace {

// The log is the default Qt SQL connection's table "Log".
class RandomHost : public ModelCheckedHost {
 public:
  explicit RandomHost(unsigned long long seed)
      : ModelCheckedHost(seed, LibraryCalls(plugin()),
                         areaFileLines(QCoreApplication::applicationDirPath().toStdString() + "/Plugins/Q9XCup.dom"))
  {
    createLogTable(QSqlDatabase::database(), "Log");
    // In index order, rows of one callsign come in the order they were logged.
    execute(QSqlDatabase::database(), "create index LogCall on Log (CallSign)");
  }

 private:
  std::int32_t connection() override { return 0; }

  void logRow(const ModelContact& c) override
  {
    const auto text = [](const std::string& bytes) { return QString::fromStdString(bytes); };
    addLogRow(QSqlDatabase::database(), "Log",
              LogEntry{text(c.call), text(c.band), text(c.mode), text(c.report), text(c.mainPrefix),
                       text(c.dxcc), "EU"});
  }

  void pumpMessages() override { settle(); }

  // The statistics window _Run answered with; a released one may still wait
  // for its deferred destruction beside it.
  QWidget* window() const
  {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("fmMainForm") && static_cast<intptr_t>(w->winId()) == handle())
        return w;
    return nullptr;
  }

  bool windowShown() override
  {
    QWidget* w = window();
    return w && w->isVisible();
  }

  void pressRecalc() override { window()->findChild<QAbstractButton*>("BitBtn1")->click(); }

  // A close that comes from the window system, as the close box's does.
  void pressCloseBox() override
  {
    QCloseEvent closeBox;
    QCoreApplication::sendEvent(window()->windowHandle(), &closeBox);
    ASSERT_TRUE(windowShown());
    ASSERT_TRUE(window()->isMinimized());
  }

  QWidget* areaWindowOf() const
  {
    for (QWidget* w : window()->findChildren<QWidget*>("fmDomList"))
      if (w->isVisible()) return w;
    return nullptr;
  }

  bool areaWindowShown() override { return areaWindowOf() != nullptr; }

  void pressAreaButton() override
  {
    window()->findChild<QAbstractButton*>("btnOBL1")->click();
    ASSERT_TRUE(areaWindowShown()) << "the area button opened no area window";
  }

  void closeAreaWindow() override { areaWindowOf()->close(); }

  void pressBandButton(int band) override
  {
    auto* button = areaWindowOf()->findChild<QAbstractButton*>(QStringLiteral("RzBitBtn%1").arg(band));
    button->click();
    ASSERT_TRUE(button->isChecked()) << "band button " << band;
  }

  std::string gridCell(int row, int column) override
  {
    QTableWidgetItem* item = window()->findChild<QTableWidget*>("StringGrid1")->item(row, column);
    return item ? item->text().toStdString() : std::string();
  }

  std::string scoreLine() override { return window()->findChild<QLabel*>("Label1")->text().toStdString(); }

  void expectNothingLeft() override
  {
    EXPECT_EQ(topLevel("fmMainForm"), nullptr) << "a released window was left";
    EXPECT_TRUE(shownErrors().isEmpty()) << shownErrors().join('\n').toStdString();
  }
};

TEST(RandomHost, EveryAnswerFollowsTheRules)
{
  const RandomRun run = randomRunFromEnvironment();
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
  db.setDatabaseName(":memory:");
  ASSERT_TRUE(db.open());
  RandomHost(run.seed).drive(run);
  db.close();
}

}  // namespace
}  // namespace q9xtest
