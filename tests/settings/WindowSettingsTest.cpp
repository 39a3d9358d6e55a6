// The plug-in's two windows with their stored settings: where they open, what
// they leave in the store, and what a later opening takes back.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <memory>

#include "hostkit/PluginWindows.h"
#include "tests/support/LogTable.h"
#include "SettingsTestSupport.h"
#include "tests/support/ContextHost.h"
#include "ui/MainForm/qt/MainForm.h"
#include "ui/domlist/qt/domlist.h"

namespace q9x::test {
namespace {

const QString kMain = QStringLiteral("TfmMainForm");
const QString kArea = QStringLiteral("TfmDomList");
constexpr QPoint kMainDesigned{1009, 201};
constexpr QPoint kAreaDesigned{1017, 288};

// An empty host log on the default connection, so that showing the
// statistics window recalculates without an error.
using q9xkit::settle;

class WindowSettings : public StoreTest {
 protected:
  WindowSettings()
  {
    q9xtest::ensureEmptyLog();
    host_.current = SessionContext{0, "Log", "Test host", "UA3A", ""};
  }

  // Opens the statistics window as the host's first call does.
  std::unique_ptr<TfmMainForm> openMain()
  {
    auto window = std::make_unique<TfmMainForm>(host_);
    window->winId();
    window->show();
    settle();
    return window;
  }
  static TfmDomList* openArea(TfmMainForm& main)
  {
    main.findChild<QPushButton*>(QStringLiteral("btnOBL1"))->click();
    settle();
    return main.areaWindow();
  }
  static bool pressed(TfmDomList& area, int band)
  {
    return area.findChild<QAbstractButton*>(QStringLiteral("RzBitBtn%1").arg(band))->isChecked();
  }
  static QString normPos(const QWidget& w)
  {
    const QRect f = w.frameGeometry();
    return QStringLiteral("%1,%2,%3,%4").arg(f.left()).arg(f.top()).arg(f.left() + f.width()).arg(f.top() + f.height());
  }

  ContextHost host_;
};

TEST_F(WindowSettings, FirstRunOpensAtTheDesignedPlacesAndClosingTheAreaWindowStoresIt)
{
  auto main = openMain();
  TfmDomList* area = openArea(*main);
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(main->pos(), kMainDesigned);
  EXPECT_EQ(area->pos(), kAreaDesigned);
  EXPECT_EQ(area->size(), QSize(327, 141));
  EXPECT_TRUE(pressed(*area, 4));
  const QString areaRect = normPos(*area);

  area->close();
  settle();
  EXPECT_EQ(storedNames(kArea), QStringList({"Flags", "FormVersion", "MinMaxPos", "MinMaxPos(1024x768)", "NormPos",
                                             "NormPos(1024x768)", "PixelsPerInch", "ShowCmd", "Visible"}));
  EXPECT_EQ(stored(kArea, "FormVersion"), "0");
  EXPECT_EQ(stored(kArea, "NormPos"), areaRect);
  EXPECT_EQ(stored(kArea, "NormPos(1024x768)"), areaRect);
  EXPECT_EQ(stored(kArea, "Visible"), "0");
  EXPECT_TRUE(storedNames(kMain).isEmpty()) << "the statistics window saves when it goes";

  main.reset();
  EXPECT_EQ(stored(kMain, "CurrentBand"), "0");
  EXPECT_EQ(stored(kMain, "NormPos"), "1009,201,1341,326");
  EXPECT_EQ(stored(kMain, "Visible"), "1");
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(WindowSettings, DesignedPlacesOffANarrowScreenComeOntoIt)
{
  screen = {800, 600};
  availableAreas = {QRect(0, 0, 800, 600)};
  auto main = openMain();
  TfmDomList* area = openArea(*main);
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(main->frameGeometry().topLeft(), QPoint(800 - main->frameGeometry().width(), 201));
  EXPECT_EQ(area->frameGeometry().topLeft(), QPoint(800 - area->frameGeometry().width(), 288));
}

TEST_F(WindowSettings, StatisticsWindowKeepsItsSizeAndTheAreaWindowTakesTheStoredOne)
{
  store(kMain, "NormPos", "100,100,900,900");
  store(kArea, "NormPos", "50,60,450,360");
  auto main = openMain();
  TfmDomList* area = openArea(*main);
  EXPECT_EQ(main->pos(), QPoint(100, 100));
  EXPECT_EQ(main->size(), QSize(328, 121));
  EXPECT_EQ(area->frameGeometry(), QRect(50, 60, 400, 300));
  area->close();
  settle();

  // Three numbers, under the name the close just wrote: a new window keeps
  // its own height.
  store(kArea, "NormPos(1024x768)", "70,80,470");
  EXPECT_EQ(openArea(*main)->frameGeometry(), QRect(70, 80, 400, 145));
}

TEST_F(WindowSettings, AnotherPixelDensityMovesNeitherWindowButTheStateStillApplies)
{
  for (const QString& section : {kMain, kArea}) {
    store(section, "NormPos", "100,100,500,400");
    store(section, "PixelsPerInch", "120");
  }
  store(kMain, "ShowCmd", "3");
  auto main = openMain();
  TfmDomList* area = openArea(*main);
  EXPECT_EQ(area->pos(), kAreaDesigned);
  EXPECT_TRUE(main->isMaximized());
  main->showNormal();
  settle();
  EXPECT_EQ(main->pos(), kMainDesigned) << "its normal place is the designed one";
}

TEST_F(WindowSettings, EachScreenSizeKeepsItsPositionsAndAThirdTakesTheLatest)
{
  const std::pair<QSize, QPoint> saved[] = {{{1024, 768}, {10, 20}}, {{1920, 1080}, {600, 400}}};
  for (const auto& [size, place] : saved) {
    screen = size;
    auto main = openMain();
    main->move(place);
    settle();
  }
  const std::pair<QSize, QPoint> reopened[] = {
      {{1024, 768}, {10, 20}}, {{1920, 1080}, {600, 400}}, {{1280, 1024}, {600, 400}}};
  for (const auto& [size, place] : reopened) {
    screen = size;
    EXPECT_EQ(openMain()->pos(), place) << size.width() << "x" << size.height();
  }
}

TEST_F(WindowSettings, OlderVersionRestoresNothingButTheNextSaveWritesEverything)
{
  store(kMain, "FormVersion", "-1");
  store(kMain, "NormPos", "100,100,428,221");
  store(kMain, "CurrentBand", "5");
  auto main = openMain();
  TfmDomList* area = openArea(*main);
  EXPECT_EQ(main->pos(), kMainDesigned);
  EXPECT_TRUE(pressed(*area, 4)) << "the stored band is not taken";
  main.reset();
  EXPECT_EQ(stored(kMain, "FormVersion"), "0");
  EXPECT_EQ(stored(kMain, "NormPos"), "1009,201,1341,326");
  EXPECT_EQ(stored(kMain, "CurrentBand"), "0");
}

TEST_F(WindowSettings, HostProgramsOfDifferentNamesKeepSeparateSettings)
{
  const std::pair<QString, QPoint> hosts[] = {{"LoggerA", {10, 20}}, {"LoggerB", {30, 40}}};
  for (const auto& [name, place] : hosts) {
    hostName = name;
    auto main = openMain();
    EXPECT_EQ(main->pos(), kMainDesigned) << "nothing stored for " << name.toStdString() << " yet";
    main->move(place);
    settle();
  }
  for (const auto& [name, place] : hosts) {
    hostName = name;
    EXPECT_TRUE(QFile::exists(storeFile()));
    EXPECT_EQ(openMain()->pos(), place) << name.toStdString();
  }
}

}  // namespace
}  // namespace q9x::test
