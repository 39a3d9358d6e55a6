// The area window: which codes it lists and in what order, which it marks
// for the selected band (checked on the rendered list), its band buttons and
// their layout, and its life beside the statistics window.

#include <QAbstractButton>
#include <QListWidget>
#include <QPushButton>
#include <QSqlDatabase>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "tests/support/LogTable.h"
#include "ui/domlist/qt/domlist.h"

namespace q9x::test {
namespace {

class AreaWindow : public testing::Test {
 protected:
  // Opens the area window over the given area table instead of the shipped file.
  TfmDomList* open(std::vector<std::string> areaTable = {"UA3A=AB", "UA3B=CD", "UA3C=EF"})
  {
    window.show();
    window->session().setAreaTable(AreaTable(std::move(areaTable)));
    pressAreaButton();
    return window->areaWindow();
  }
  void pressAreaButton()
  {
    window.child<QPushButton>("btnOBL1")->click();
    settle();
  }
  QListWidget* list() const { return window->areaWindow()->findChild<QListWidget*>("LV1"); }
  QAbstractButton* band(int n) const
  {
    return window->areaWindow()->findChild<QAbstractButton*>(QStringLiteral("RzBitBtn%1").arg(n));
  }
  QVariant currentBand() const { return window->formStorage().ValueByName("CurrentBand"); }

  QStringList captions(bool redOnly = false) const
  {
    const QImage image = list()->viewport()->grab().toImage();
    QStringList texts;
    for (int i = 0; i < list()->count(); ++i) {
      bool red = false;
      const QRect r = list()->visualItemRect(list()->item(i)).intersected(image.rect());
      for (int x = r.left(); x <= r.right(); ++x)
        for (int y = r.top(); y <= r.bottom(); ++y) {
          const QRgb p = image.pixel(x, y);
          red = red || (qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90);
        }
      if (red || !redOnly) texts.append(list()->item(i)->text());
    }
    return texts;
  }

  HostLog log;
  StatisticsWindow window;
};

TEST_F(AreaWindow, ListsOneCodePerLineWithASignInCaptionOrder)
{
  open({"AB12=XY", "CD34= ZW ", "NOSIGN", "EF56=ABCDEF", "GH78=", "IJ90=XY", "KL12=A=B"});
  EXPECT_EQ(captions(), QStringList({"", "A=B", "ABCD", "XY", "XY", "ZW"}));
}

TEST_F(AreaWindow, OpensOnceAndAfreshAfterClosing)
{
  QPointer<TfmDomList> area = open();
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(area->size(), QSize(327, 141));
  EXPECT_EQ(list()->geometry(), QRect(0, 18, 327, 120));
  pressAreaButton();
  EXPECT_EQ(window->findChildren<TfmDomList*>().size(), 1);

  area->close();
  EXPECT_EQ(window->areaWindow(), nullptr) << "cleared at once, before the deferred destruction";
  settle();
  EXPECT_EQ(area, nullptr);
  window->session().setAreaTable(AreaTable({"UA3A=AB"}));
  pressAreaButton();
  ASSERT_NE(window->areaWindow(), nullptr);
  EXPECT_EQ(captions(), QStringList({"AB"}));
}

TEST_F(AreaWindow, BandButtonsAreExclusiveAndShareTheRowWidth)
{
  TfmDomList* area = open();
  EXPECT_TRUE(band(4)->isChecked()) << "10 is pressed on a new window";
  band(3)->click();
  EXPECT_FALSE(band(4)->isChecked());
  band(2)->click();
  band(2)->click();
  EXPECT_TRUE(band(2)->isChecked()) << "a pressed button stays pressed";
  EXPECT_FALSE(band(3)->isChecked());
  EXPECT_EQ(currentBand(), 2);

  // Child order 1.8 ... 28, then 10 with the remainder less 4.
  EXPECT_EQ(band(1)->geometry(), QRect(0, 0, 36, 17));
  EXPECT_EQ(band(9)->geometry(), QRect(252, 0, 36, 17));
  EXPECT_EQ(band(4)->geometry(), QRect(288, 0, 35, 17));
  area->resize(100, 141);
  settle();
  EXPECT_EQ(band(9)->geometry(), QRect(77, 0, 11, 17));
  EXPECT_EQ(band(4)->geometry(), QRect(88, 0, 8, 17));
}

TEST_F(AreaWindow, MarksTheCodesWorkedOnTheSelectedBand)
{
  log.add({"UA3AAA", "7", "599 AB", "UA3A"});
  log.add({"UA3BBB", "3.5", "599 CD", "UA3A"});
  open({"UA3A=AB", "UA3B=CD", "UA3C=EF", "UA3D=ab"});
  EXPECT_EQ(captions(true), QStringList({"AB", "CD"})) << "no band chosen yet: worked on any band";

  band(3)->click();
  EXPECT_EQ(captions(true), QStringList({"AB"}));
  EXPECT_EQ(currentBand(), 3);

  // A counted contact switches the window to its band; an unknown band does not.
  window.addContact({"UA3CCC", "3.5", "599 EF", "UA3A"});
  EXPECT_TRUE(band(2)->isChecked());
  EXPECT_EQ(captions(true), QStringList({"CD", "EF"}));
  EXPECT_EQ(currentBand(), 2);
  window.addContact({"UA3DDD", "50", "599 AB", "UA3A"});
  EXPECT_EQ(window->areaWindow()->BandText(), "3.5");

  // A band text with a trailing blank makes a key no band button matches.
  window.addContact({"UA3EEE", "7 ", "599 EF", "UA3A"});
  band(3)->click();
  EXPECT_EQ(captions(true), QStringList({"AB"}));

  // A repeat is not counted and selects no band.
  window.addContact({"UA3CCC", "3.5", "599 EF", "UA3A"});
  EXPECT_TRUE(band(3)->isChecked());
}

TEST_F(AreaWindow, RecalcMarksTheCodesOfTheLogAsItStandsNow)
{
  log.add({"UA3AAA", "7", "599 AB", "UA3A"});
  open();
  band(3)->click();
  EXPECT_EQ(captions(true), QStringList({"AB"}));

  // The log now holds another code, and as many as before; the area window
  // is not drawn while the log is read again.
  q9xtest::execute(QSqlDatabase::database(), QStringLiteral("delete from Log"));
  log.add({"UA3BBB", "7", "599 CD", "UA3A"});
  window->areaWindow()->hide();
  window.child<QPushButton>("BitBtn1")->click();
  settle();
  window->areaWindow()->show();
  EXPECT_EQ(captions(true), QStringList({"CD"}));
}

TEST_F(AreaWindow, ShowsTheStoredBandAndReportsOneThatIsNotANumber)
{
  window.show();
  window->formStorage().SetValueByName("CurrentBand", "5");
  open();
  EXPECT_TRUE(band(5)->isChecked());
  EXPECT_EQ(window->areaWindow()->BandText(), "14");
  window->areaWindow()->close();
  settle();

  ErrorCapture errors;
  window->formStorage().SetValueByName("CurrentBand", "abc");
  pressAreaButton();
  EXPECT_EQ(errors.errors(), QStringList({"Invalid variant type conversion"}));
  ASSERT_NE(window->areaWindow(), nullptr);
  EXPECT_TRUE(window->areaWindow()->isVisible());
  EXPECT_TRUE(band(4)->isChecked());
  EXPECT_EQ(window->areaWindow()->BandText(), "");
}

}  // namespace
}  // namespace q9x::test
