// The statistics window as the operator sees it: figures after a
// recalculation and after each contact, the Recalc command, closing and
// minimising, and the rendered look.

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "plugin/ShortString.h"
#include "ui/MainForm/GridCellPainter.h"
#include "ui/domlist/domlist.h"

namespace q9x::test {
namespace {

// 12 points, area codes 3.5|AB|, 3.5|CD|, 14|EF| and four RDA codes.
void logTwelvePointsThreeAreasFourRda(HostLog& log)
{
  log.add({"UA3AAA", "3.5", "599 AB", "UA3A"});
  log.add({"UA3BBB", "3.5", "599 CD", "UA3A"});
  log.add({"UA9CCC", "7", "599 MO12", "UA9"});
  log.add({"UA9DDD", "7", "599 MO13", "UA9"});
  log.add({"UA3EEE", "14", "599 EF", "UA3A"});
  log.add({"UA9FFF", "14", "599 KK01", "UA9"});
  log.add({"UA9GGG", "14", "599 KK02", "UA9"});
  // The same contact entered twice counts once.
  log.add({"UA3AAA", "3.5", "599 AB", "UA3A"});
}

QStringList figures(const char* band, int qsos, int points, int area, int rda)
{
  return {band, QString::number(qsos), QString::number(points), QString::number(area), QString::number(rda)};
}

TEST(StatisticsWindow, ShowsHeadersAndFiguresOfTheLogOnFirstShow)
{
  HostLog log;
  logTwelvePointsThreeAreasFourRda(log);
  StatisticsWindow window;
  EXPECT_EQ(window.scoreLine(), QString()) << "empty until the first figures";

  window.show();

  EXPECT_EQ(window.row(0), QStringList({"Band", "QSOs", "Points", "Q9X Area", "RDA"}));
  EXPECT_EQ(window.row(1), figures("80", 2, 2, 2, 0));
  EXPECT_EQ(window.row(2), figures("40", 2, 10, 0, 2));
  EXPECT_EQ(window.row(3), figures("Total", 7, 12, 3, 4));
  EXPECT_EQ(window.scoreLine(), "Score: 12*(3+4)=84");
  EXPECT_EQ(window->windowTitle(), "Test host in Q9X-CUP-DIGI");
}

TEST(StatisticsWindow, ContactsUpdateOnlyTheRowsOfTheirBand)
{
  HostLog log;
  StatisticsWindow window;
  window.show();
  EXPECT_EQ(window.row(1), QStringList({"80", "", "", "", ""}));
  EXPECT_EQ(window.row(3), figures("Total", 0, 0, 0, 0));
  EXPECT_EQ(window.scoreLine(), "Score: 0*(0+0)=0");

  EXPECT_EQ(window.addContact({"UA3AAA", "3.5", "599 AB", "UA3A"}), 1);
  EXPECT_EQ(window.row(1), figures("80", 1, 1, 1, 0));
  EXPECT_EQ(window.row(2), QStringList({"40", "", "", "", ""}));

  EXPECT_EQ(window.addContact({"UA9BBB", "7", "599 MO12", "UA9"}), 5);
  EXPECT_EQ(window.row(2), figures("40", 1, 5, 0, 1));
  EXPECT_EQ(window.scoreLine(), "Score: 6*(1+1)=12");

  const QStringList row1 = window.row(1);
  const QStringList row2 = window.row(2);
  EXPECT_EQ(window.addContact({"UA3CCC", "14", "599 CD", "UA3A"}), 0);
  EXPECT_EQ(window.row(1), row1);
  EXPECT_EQ(window.row(2), row2);
  EXPECT_EQ(window.row(3), figures("Total", 3, 6, 2, 1));
  EXPECT_EQ(window.scoreLine(), "Score: 6*(2+1)=18");

  EXPECT_EQ(window.addContact({"UA3CCC", "14", "599 CD", "UA3A"}), -1) << "a repeat is refused";
  EXPECT_EQ(window.row(3), figures("Total", 3, 6, 2, 1));
}

TEST(StatisticsWindow, RecalcOfALogWithout80And40LeavesTheirRowsEmpty)
{
  HostLog log;
  StatisticsWindow window;
  window.show();
  window.addContact({"UA3AAA", "3.5", "599 AB", "UA3A"});
  window.addContact({"UA9BBB", "7", "599 MO12", "UA9"});
  log.add({"UA3EEE", "14", "599 EF", "UA3A"});
  log.add({"UA9FFF", "21", "599 KK01", "UA9"});

  window->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();

  EXPECT_EQ(window.row(1), QStringList({"80", "", "", "", ""}));
  EXPECT_EQ(window.row(2), QStringList({"40", "", "", "", ""}));
  EXPECT_EQ(window.row(3), figures("Total", 2, 0, 1, 1));
  EXPECT_EQ(window.scoreLine(), "Score: 0*(1+1)=0");
}

TEST(StatisticsWindow, RecalcIsDisabledWhileItRunsAndAvailableAgainAfterAnError)
{
  HostLog log;
  log.add({"UA3AAA", "3.5", "599 AB", "UA3A"});
  StatisticsWindow window;
  window.show();
  auto* button = window->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
  auto* command = window->findChild<QAction*>(QStringLiteral("RecalcStatistic"));
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->text(), "Recalc Statistic");
  EXPECT_EQ(button->text(), "Recalc");

  // The run lets pending events through twice: first before it disables the
  // command, then once the log is open. The check is posted by the first pass
  // and so runs in the second, in the middle of the run.
  bool checked = false, buttonEnabledInside = true, commandEnabledInside = true;
  QMetaObject::invokeMethod(
      qApp,
      [&] {
        QMetaObject::invokeMethod(
            qApp,
            [&] {
              checked = true;
              buttonEnabledInside = button->isEnabled();
              commandEnabledInside = command->isEnabled();
            },
            Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
  button->click();
  ASSERT_TRUE(checked);
  EXPECT_FALSE(buttonEnabledInside);
  EXPECT_FALSE(commandEnabledInside);
  EXPECT_TRUE(button->isEnabled());

  ErrorCapture errors;
  writeShort(window.currentRecord().TableName, "NoSuchTable");
  button->click();
  ASSERT_EQ(errors.errors().size(), 1);
  EXPECT_TRUE(errors.errors().front().contains("NoSuchTable")) << errors.errors().front().toStdString();
  EXPECT_TRUE(button->isEnabled());
  EXPECT_TRUE(command->isEnabled());
  EXPECT_EQ(window.row(1), QStringList({"80", "", "", "", ""})) << "emptied before the failure";
  EXPECT_TRUE(window->isVisible()) << "the window carries on";
}

TEST(StatisticsWindow, CloseBoxMinimisesAndKeepsCounting)
{
  HostLog log;
  log.add({"UA3AAA", "3.5", "599 AB", "UA3A"});
  StatisticsWindow window;
  window.show();

  // A close event sent to the native window is what the window system's
  // close box delivers.
  QCloseEvent closeBox;
  QCoreApplication::sendEvent(window->windowHandle(), &closeBox);
  settle();

  ASSERT_NE(window.get(), nullptr);
  EXPECT_FALSE(window->isReleased());
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isMinimized());
  EXPECT_EQ(window.row(1), figures("80", 1, 1, 1, 0));
  window.addContact({"UA3BBB", "3.5", "599 CD", "UA3A"});
  EXPECT_EQ(window.row(1), figures("80", 2, 2, 2, 0));
}

TEST(StatisticsWindow, CloseRequestEndsTheWindowWithItsAreaWindow)
{
  HostLog log;
  StatisticsWindow window;
  window.show();
  window->findChild<QPushButton*>(QStringLiteral("btnOBL1"))->click();
  QPointer<TfmDomList> area = window->areaWindow();
  ASSERT_NE(area, nullptr);

  EXPECT_TRUE(window->close());
  EXPECT_TRUE(window->isReleased());
  EXPECT_EQ(window->areaWindow(), nullptr);
  EXPECT_FALSE(area->isVisible()) << "the area window disappears with it";

  settle();
  EXPECT_EQ(window.get(), nullptr);
  EXPECT_EQ(area, nullptr);
}

// Where the dark pixels of a text lie along one pixel row band of an image.
struct InkSpan {
  int left = -1;
  int right = -1;
};

InkSpan darkInk(const QImage& image, const QRect& area)
{
  InkSpan span;
  for (int x = area.left(); x <= area.right(); ++x)
    for (int y = area.top(); y <= area.bottom(); ++y)
      if (qGray(image.pixel(x, y)) < 110) {
        if (span.left < 0) span.left = x;
        span.right = x;
      }
  return span;
}

TEST(StatisticsWindow, RendersFiguresCentredOnTheGridColourAndABlueScoreLine)
{
  HostLog log;
  logTwelvePointsThreeAreasFourRda(log);
  StatisticsWindow window;
  window.show();

  auto* grid = window->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
  EXPECT_EQ(window->size(), QSize(328, 121));
  EXPECT_EQ(grid->geometry(), QRect(0, 0, 328, 77));
  EXPECT_EQ(grid->columnWidth(2), 64);
  EXPECT_EQ(grid->rowHeight(2), 17);
  EXPECT_FALSE(grid->isEnabled());
  EXPECT_TRUE(grid->selectedItems().isEmpty());

  const QImage image = window->grab().toImage();
  const QPoint origin = grid->viewport()->mapTo(window.get(), QPoint(0, 0));

  // Row 3, column 2 holds the total points "12".
  const QRect cell = grid->visualRect(grid->model()->index(3, 2)).translated(origin);
  EXPECT_EQ(QColor(image.pixel(cell.left() + 2, cell.bottom() - 1)), QColor(253, 255, 206));
  const InkSpan ink = darkInk(image, cell.adjusted(0, 0, -1, -1));
  ASSERT_GE(ink.left, 0) << "the figure is drawn";
  const int inkCentre = (ink.left + ink.right + 1) / 2;
  const int cellCentre = cell.left() + cell.width() / 2;
  EXPECT_LE(std::abs(inkCentre - cellCentre), 2) << "ink " << ink.left << ".." << ink.right;
  // Set at the top of the cell: the upper half carries ink.
  EXPECT_GE(darkInk(image, QRect(cell.left(), cell.top(), cell.width(), cell.height() / 2)).left, 0);

  auto* score = window->findChild<QLabel*>(QStringLiteral("Label1"));
  const QRect scoreArea = QRect(score->mapTo(window.get(), QPoint(0, 0)), score->size());
  int bluePixels = 0;
  for (int x = scoreArea.left(); x <= scoreArea.right(); ++x)
    for (int y = scoreArea.top(); y <= scoreArea.bottom(); ++y) {
      const QRgb p = image.pixel(x, y);
      if (qBlue(p) > 180 && qRed(p) < 90 && qGreen(p) < 90) ++bluePixels;
    }
  EXPECT_GT(bluePixels, 20);
  EXPECT_TRUE(score->font().bold());
  EXPECT_EQ(score->font().pixelSize(), 13);
}

struct CentringCase {
  const char* name;
  QRect cell;
  int textWidth;
  int left;
};

class CentredTextLeft : public testing::TestWithParam<CentringCase> {};

TEST_P(CentredTextLeft, HalvesCellAndTextSeparately)
{
  EXPECT_EQ(centredTextLeft(GetParam().cell, GetParam().textWidth), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CentredTextLeft,
    testing::Values(CentringCase{"EvenCellEvenText", QRect(0, 0, 64, 17), 20, 22},
                    CentringCase{"EvenCellOddText", QRect(0, 0, 64, 17), 21, 22},
                    CentringCase{"OddCellOddText", QRect(65, 0, 63, 17), 21, 65 + 31 - 10},
                    CentringCase{"TextWiderThanCell", QRect(130, 18, 64, 17), 80, 130 + 32 - 40}),
    [](const testing::TestParamInfo<CentringCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace q9x::test
