// The area window: which codes it lists and in what order, which it marks
// for the selected band (checked on the rendered list), its band buttons and
// their layout, and its life beside the statistics window.

#include <QAbstractButton>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "ui/domlist/AreaCodes.h"
#include "ui/domlist/domlist.h"

namespace q9x::test {
namespace {

class AreaWindow : public testing::Test {
 protected:
  // Opens the area window through the statistics window's button, over an
  // area table given here instead of the shipped file.
  TfmDomList* open(std::vector<std::string> areaTable = {"UA3A=AB", "UA3B=CD", "UA3C=EF"})
  {
    window.show();
    window->engine().setAreaTable(std::move(areaTable));
    pressAreaButton();
    return window->areaWindow();
  }

  void pressAreaButton()
  {
    window->findChild<QPushButton*>(QStringLiteral("btnOBL1"))->click();
    settle();
  }

  QListWidget* list() const { return window->areaWindow()->findChild<QListWidget*>(QStringLiteral("LV1")); }

  QStringList captions() const
  {
    QStringList texts;
    for (int i = 0; i < list()->count(); ++i) texts.append(list()->item(i)->text());
    return texts;
  }

  // The captions drawn with red ink, as the operator would see them.
  QStringList redCaptions() const
  {
    QListWidget* lv = list();
    const QImage image = lv->viewport()->grab().toImage();
    QStringList red;
    for (int i = 0; i < lv->count(); ++i) {
      const QRect r = lv->visualItemRect(lv->item(i)).intersected(image.rect());
      bool found = false;
      for (int x = r.left(); x <= r.right() && !found; ++x)
        for (int y = r.top(); y <= r.bottom() && !found; ++y) found = isReddish(image.pixel(x, y));
      if (found) red.append(lv->item(i)->text());
    }
    return red;
  }

  QAbstractButton* bandButton(int n) const
  {
    return window->areaWindow()->findChild<QAbstractButton*>(QStringLiteral("RzBitBtn%1").arg(n));
  }

  QVariant currentBand() const { return window->formStorage().ValueByName(QStringLiteral("CurrentBand")); }

  HostLog log;
  StatisticsWindow window;
};

TEST_F(AreaWindow, ListsOneCodePerLineWithASignInCaptionOrder)
{
  open({"AB12=XY", "CD34= ZW ", "NOSIGN", "EF56=ABCDEF", "GH78=", "IJ90=XY"});
  EXPECT_EQ(captions(), QStringList({"", "ABCD", "XY", "XY", "ZW"}));
}

TEST_F(AreaWindow, OpensOnceWithTheDesignedLayout)
{
  QPointer<TfmDomList> area = open();
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(area->parent(), window.get());
  EXPECT_EQ(area->windowTitle(), "Q9X Area");
  EXPECT_TRUE(area->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(area->size(), QSize(327, 141));
  EXPECT_EQ(list()->geometry(), QRect(0, 18, 327, 120));

  pressAreaButton();
  EXPECT_EQ(window->areaWindow(), area);
  EXPECT_EQ(window->findChildren<TfmDomList*>().size(), 1);

  area->close();
  EXPECT_EQ(window->areaWindow(), nullptr) << "cleared at once, before the deferred destruction";
  settle();
  EXPECT_EQ(area, nullptr);
  pressAreaButton();
  ASSERT_NE(window->areaWindow(), nullptr);
  EXPECT_EQ(captions(), QStringList({"AB", "CD", "EF"})) << "a fresh window rebuilds its list";
}

TEST_F(AreaWindow, BandButtonsFormOneExclusiveGroupWithTenLast)
{
  open();
  QList<QAbstractButton*> order;
  for (QObject* child : window->areaWindow()->findChild<QFrame*>(QStringLiteral("Panel2"))->children())
    if (auto* button = qobject_cast<QAbstractButton*>(child)) order.append(button);
  ASSERT_EQ(order.size(), 9);
  EXPECT_EQ(order.last()->text(), "10");
  EXPECT_TRUE(order.last()->isChecked()) << "10 is pressed on a new window";
  for (QAbstractButton* button : order) EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);

  bandButton(3)->click();
  EXPECT_TRUE(bandButton(3)->isChecked());
  EXPECT_FALSE(bandButton(4)->isChecked());
  bandButton(2)->click();
  EXPECT_FALSE(bandButton(3)->isChecked());
  EXPECT_EQ(currentBand(), 2);
  bandButton(2)->click();
  EXPECT_TRUE(bandButton(2)->isChecked()) << "a pressed button stays pressed";
  EXPECT_EQ(currentBand(), 2);
  int pressed = 0;
  for (QAbstractButton* button : order) pressed += button->isChecked();
  EXPECT_EQ(pressed, 1);
}

TEST_F(AreaWindow, LaysOutTheBandRowByWholeShares)
{
  TfmDomList* area = open();
  EXPECT_EQ(bandButton(1)->geometry(), QRect(0, 0, 36, 17));
  EXPECT_EQ(bandButton(3)->geometry(), QRect(72, 0, 36, 17));
  EXPECT_EQ(bandButton(9)->geometry(), QRect(252, 0, 36, 17));
  EXPECT_EQ(bandButton(4)->geometry(), QRect(288, 0, 35, 17));

  area->resize(100, 141);
  settle();
  EXPECT_EQ(bandButton(1)->geometry(), QRect(0, 0, 11, 17));
  EXPECT_EQ(bandButton(9)->geometry(), QRect(77, 0, 11, 17));
  EXPECT_EQ(bandButton(4)->geometry(), QRect(88, 0, 8, 17));
}

TEST_F(AreaWindow, MarksTheCodesWorkedOnTheSelectedBand)
{
  log.add({"UA3AAA", "7", "599 AB", "UA3A"});
  log.add({"UA3BBB", "3.5", "599 CD", "UA3A"});
  open();
  EXPECT_EQ(currentBand(), 0);
  EXPECT_EQ(window->areaWindow()->BandText(), "");
  EXPECT_EQ(redCaptions(), QStringList({"AB", "CD"})) << "no band yet: worked on any band";

  bandButton(3)->click();
  EXPECT_EQ(redCaptions(), QStringList({"AB"}));
  EXPECT_EQ(currentBand(), 3);

  // A counted contact switches the window to its band.
  window.addContact({"UA3CCC", "3.5", "599 EF", "UA3A"});
  EXPECT_TRUE(bandButton(2)->isChecked());
  EXPECT_EQ(window->areaWindow()->BandText(), "3.5");
  EXPECT_EQ(redCaptions(), QStringList({"CD", "EF"}));
  EXPECT_EQ(currentBand(), 2);

  // A band none of the buttons carries leaves the window as it was.
  window.addContact({"UA3DDD", "50", "599 AB", "UA3A"});
  EXPECT_TRUE(bandButton(2)->isChecked());
  EXPECT_EQ(redCaptions(), QStringList({"CD", "EF"}));
}

TEST_F(AreaWindow, ShowsTheStoredBandAndReportsOneThatIsNotANumber)
{
  window.show();
  window->formStorage().SetValueByName(QStringLiteral("CurrentBand"), QStringLiteral("5"));
  open();
  EXPECT_TRUE(bandButton(5)->isChecked());
  EXPECT_EQ(window->areaWindow()->BandText(), "14");
  window->areaWindow()->close();
  settle();

  ErrorCapture errors;
  window->formStorage().SetValueByName(QStringLiteral("CurrentBand"), QStringLiteral("abc"));
  pressAreaButton();
  EXPECT_EQ(errors.errors(), QStringList({"Invalid variant type conversion"}));
  ASSERT_NE(window->areaWindow(), nullptr);
  EXPECT_TRUE(window->areaWindow()->isVisible());
  EXPECT_TRUE(bandButton(4)->isChecked());
  EXPECT_EQ(window->areaWindow()->BandText(), "");
}

TEST_F(AreaWindow, GoesWithTheStatisticsWindow)
{
  QPointer<TfmDomList> area = open();
  window->close();
  EXPECT_EQ(window->areaWindow(), nullptr);
  settle();
  EXPECT_EQ(area, nullptr);
}

struct MarkCase {
  const char* name;
  std::string bandText;
  std::string code;
  std::vector<std::string> worked;
  AreaMark mark;
};

class AreaMarks : public testing::TestWithParam<MarkCase> {};

TEST_P(AreaMarks, FollowTheWorkedKeys)
{
  const MarkCase& c = GetParam();
  EXPECT_EQ(areaMark(c.bandText, c.code, c.worked), c.mark);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AreaMarks,
    testing::Values(MarkCase{"NothingWorkedKeepsOwnFont", "7", "AB", {}, AreaMark::OwnFont},
                    MarkCase{"WorkedOnSelectedBand", "7", "AB", {"3.5|CD|", "7|AB|"}, AreaMark::Marked},
                    MarkCase{"WorkedOnOtherBandOnly", "3.5", "AB", {"7|AB|"}, AreaMark::Unmarked},
                    MarkCase{"KeyFoundInsideALongerEntry", "7", "AB", {"17|AB|"}, AreaMark::Marked},
                    MarkCase{"NoBandMarksAnyBand", "", "AB", {"21|AB|"}, AreaMark::Marked},
                    MarkCase{"LowerCaseCodeNeverMarked", "7", "ab", {"7|AB|"}, AreaMark::Unmarked},
                    MarkCase{"TrailingBlankBandNotMarkedOnSeven", "7", "AB", {"7 |AB|"}, AreaMark::Unmarked},
                    MarkCase{"TrailingBlankBandMarkedWithoutBand", "", "AB", {"7 |AB|"}, AreaMark::Marked}),
    [](const testing::TestParamInfo<MarkCase>& info) { return std::string(info.param.name); });

struct LineCase {
  const char* name;
  std::string line;
  std::optional<std::string> code;
};

class ListedAreaCode : public testing::TestWithParam<LineCase> {};

TEST_P(ListedAreaCode, TakesAtMostFourTrimmedBytesAfterTheFirstSign)
{
  EXPECT_EQ(listedAreaCode(GetParam().line), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ListedAreaCode,
    testing::Values(LineCase{"Plain", "UA3A=AB", "AB"}, LineCase{"Blanks", "CD34= ZW ", "ZW"},
                    LineCase{"NoSign", "NOSIGN", std::nullopt}, LineCase{"Long", "EF56=ABCDEF", "ABCD"},
                    LineCase{"Empty", "GH78=", ""}, LineCase{"FirstSignCounts", "A=B=C", "B=C"},
                    LineCase{"BlanksInsideTheFour", "X=  A   B", "A"}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace q9x::test
