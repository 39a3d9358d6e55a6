// The host's entry window over the real plug-in, in one process as the
// contest logger runs it: typing asks the plug-in, Enter logs and counts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>

#include "host/EntryWindow.h"
#include "host/LogDatabase.h"
#include "hostkit/PluginLibrary.h"
#include "hostkit/PluginWindows.h"

using namespace q9xhost;
using q9xkit::findPluginWindow;
using q9xkit::PluginLibrary;
using q9xkit::readStatistics;

namespace {

class EntryWindowTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ASSERT_TRUE(dir_.isValid());
    qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit());
    plugin_ = std::make_unique<PluginLibrary>(QStringLiteral(Q9X_PLUGIN_PATH));
    DatabaseOptions options;
    options.databaseName = dir_.filePath("log.sqlite");
    log_ = std::make_unique<LogDatabase>(options, 0, "Log");
    session_ = HostSession{0, "Log", "test", "UA3A"};
    const TPluginRecord rec = makeRecord(session_);
    ASSERT_NE(plugin_->Run(0, &rec), 0);
    window_ = std::make_unique<EntryWindow>(*plugin_, *log_, session_, plugin_->name(),
                                            PrefixTable::load(Q9X_PREFIX_FILE));
  }

  void TearDown() override
  {
    window_.reset();
    if (plugin_) plugin_->Release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QLineEdit* line(const char* name) { return window_->findChild<QLineEdit*>(name); }
  QComboBox* combo(const char* name) { return window_->findChild<QComboBox*>(name); }
  QString label(const char* name) { return window_->findChild<QLabel*>(name)->text(); }

  void type(const QString& call, const QString& band, const QString& main, const QString& dxcc)
  {
    combo("band")->setCurrentText(band);
    line("mainPrefix")->setText(main);
    line("dxccPrefix")->setText(dxcc);
    line("callSign")->setText(call);
  }

  void pressEnter() { emit line("callSign")->returnPressed(); }

  // Keys as the operator presses them, so the window sees edits as edits.
  static void press(QWidget* widget, int key, const QString& text = {})
  {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &event);
  }
  static void keys(QLineEdit* target, const QString& text)
  {
    for (QChar c : text) press(target, c.toUpper().unicode(), QString(c));
  }
  void click(const char* name) { window_->findChild<QAbstractButton*>(name)->click(); }

  QString totalQsos() { return readStatistics().grid.at(3).at(1); }

  QTemporaryDir dir_;
  std::unique_ptr<PluginLibrary> plugin_;
  std::unique_ptr<LogDatabase> log_;
  HostSession session_;
  std::unique_ptr<EntryWindow> window_;
};

TEST_F(EntryWindowTest, ShowsPointsAndProposesTheAreaCodeWhileTyping)
{
  type("R3AA", "7", "UA3A", "ua3a ");
  EXPECT_EQ(line("exchange")->text(), "AB") << "proposed from the area file";
  EXPECT_EQ(label("points"), "1") << "both stations inside the area";

  type("RA4XY", "3.5", "UA4", "UA");
  EXPECT_EQ(line("exchange")->text(), "") << "our own proposal goes when it no longer applies";
  EXPECT_EQ(label("points"), "5");

  combo("band")->setCurrentText("14");
  EXPECT_EQ(label("points"), "0");
}

TEST_F(EntryWindowTest, KeepsWhatTheOperatorTypedInTheExchange)
{
  line("exchange")->setText("599 BR");
  type("R3AA", "7", "UA3A", "UA3A");
  EXPECT_EQ(line("exchange")->text(), "599 BR");
}

TEST_F(EntryWindowTest, EnterLogsTheContactAndARepeatIsLoggedButNotCounted)
{
  type("R3AA", "7", "UA3A", "UA3A");
  pressEnter();
  EXPECT_EQ(log_->rowCount(), 1);
  EXPECT_EQ(totalQsos(), "1");
  EXPECT_EQ(label("status"), "R3AA logged: 1 point");
  EXPECT_EQ(line("callSign")->text(), "") << "ready for the next contact";

  type("R3AA", "7", "UA3A", "UA3A");
  EXPECT_EQ(label("points"), "repeat");
  pressEnter();
  EXPECT_EQ(log_->rowCount(), 2);
  EXPECT_EQ(totalQsos(), "1");
  EXPECT_TRUE(label("status").contains("repeat")) << label("status").toStdString();

  // The plug-in's own recalculation from the log agrees with what was counted.
  window_.reset();
  plugin_->Release();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(findPluginWindow("fmMainForm"), nullptr);
  const TPluginRecord rec = makeRecord(session_);
  ASSERT_NE(plugin_->Run(0, &rec), 0);
  EXPECT_EQ(totalQsos(), "1");
  EXPECT_EQ(readStatistics().scoreLine, "Score: 1*(1+0)=1");
}

TEST_F(EntryWindowTest, ProposalStaysAwayOnceTheOperatorClearedIt)
{
  keys(line("callSign"), "R3AA");
  ASSERT_EQ(line("exchange")->text(), "AB");
  press(line("exchange"), Qt::Key_End);
  press(line("exchange"), Qt::Key_Backspace);
  press(line("exchange"), Qt::Key_Backspace);
  keys(line("exchange"), "BE");
  EXPECT_EQ(line("exchange")->text(), "BE");
}

TEST_F(EntryWindowTest, FillsThePrefixesFromTheCallsignInCapitals)
{
  keys(line("callSign"), "ua3bz");
  EXPECT_EQ(line("callSign")->text(), "UA3BZ");
  EXPECT_EQ(line("mainPrefix")->text(), "UA3B");
  EXPECT_EQ(line("dxccPrefix")->text(), "UA3A");
  EXPECT_EQ(line("exchange")->text(), "AD") << "the area file's code for UA3B";
  EXPECT_EQ(label("points"), "5") << "only main prefix UA3A is inside the area";

  line("mainPrefix")->clear();
  keys(line("mainPrefix"), "ua3a");
  EXPECT_EQ(line("mainPrefix")->text(), "UA3A");
  EXPECT_EQ(label("points"), "1");
}

TEST_F(EntryWindowTest, RefusesAContactWithoutMode)
{
  combo("mode")->setCurrentText("");
  type("R3AA", "7", "UA3A", "UA3A");
  pressEnter();
  EXPECT_EQ(log_->rowCount(), 0);
  EXPECT_TRUE(label("status").startsWith("Choose a mode first")) << label("status").toStdString();
}

TEST_F(EntryWindowTest, StatusGoesWhenTheNextContactIsTyped)
{
  type("R3AA", "7", "UA3A", "UA3A");
  pressEnter();
  ASSERT_FALSE(label("status").isEmpty());
  keys(line("callSign"), "R");
  EXPECT_EQ(label("status"), "");
}

TEST_F(EntryWindowTest, BringsThePluginsWindowsBackFromMinimised)
{
  QWidget* statistics = findPluginWindow("fmMainForm");
  ASSERT_NE(statistics, nullptr);
  statistics->showMinimized();
  click("showStatistics");
  EXPECT_FALSE(statistics->isMinimized());

  click("showAreaCodes");
  QWidget* areas = findPluginWindow("fmDomList");
  ASSERT_NE(areas, nullptr);
  areas->showMinimized();
  click("showAreaCodes");
  EXPECT_TRUE(areas->isVisible() && !areas->isMinimized());
}

TEST_F(EntryWindowTest, EnterWithoutCallsignLogsNothing)
{
  type("", "7", "UA3A", "UA3A");
  pressEnter();
  EXPECT_EQ(log_->rowCount(), 0);
}

}  // namespace


