// The statistics window as the operator sees it: figures after a
// recalculation and after contacts, the Recalc command, closing and
// minimising, and the rendered look.

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "ui/domlist/qt/domlist.h"

namespace q9x::test {
namespace {

QStringList figures(const char* band, int qsos, int points, int area, int rda)
{
  return {band, QString::number(qsos), QString::number(points), QString::number(area), QString::number(rda)};
}

QStringList emptyRow(const char* band) { return {band, "", "", "", ""}; }

// The bounds of the text's ink inside an area of a rendered image.
QRect darkInk(const QImage& image, const QRect& area)
{
  QRect ink;
  for (int x = area.left(); x < area.right(); ++x)
    for (int y = area.top(); y < area.bottom(); ++y)
      if (qGray(image.pixel(x, y)) < 110) ink |= QRect(x, y, 1, 1);
  return ink;
}

TEST(StatisticsWindow, ShowsTheLogsFiguresOnFirstShow)
{
  HostLog log;
  log.add({"UA3AAA", "3.5", "599 AB", "UA3A"});
  log.add({"UA3BBB", "3.5", "599 CD", "UA3A"});
  log.add({"UA3AAA", "3.5", "599 AB", "UA3A"});  // entered twice, counted once
  log.add({"UA9CCC", "7", "599 MO12", "UA9"});
  log.add({"UA9DDD", "7", "599 MO13", "UA9"});
  log.add({"UA3EEE", "14", "599 EF", "UA3A"});
  log.add({"UA9FFF", "14", "599 KK01", "UA9"});
  log.add({"UA9GGG", "14", "599 KK02", "UA9"});
  StatisticsWindow window;
  EXPECT_EQ(window.scoreLine(), "");

  window.show();
  EXPECT_EQ(window.row(0), QStringList({"Band", "QSOs", "Points", "Q9X Area", "RDA"}));
  EXPECT_EQ(window.row(1), figures("80", 2, 2, 2, 0));
  EXPECT_EQ(window.row(2), figures("40", 2, 10, 0, 2));
  EXPECT_EQ(window.row(3), figures("Total", 7, 12, 3, 4));
  EXPECT_EQ(window.scoreLine(), "Score: 12*(3+4)=84");
  EXPECT_EQ(window->windowTitle(), "Test host in Q9X-CUP-DIGI");
}

TEST(StatisticsWindow, ContactsFillTheRowsOfTheirBandAndRecalcEmptiesTheRest)
{
  HostLog log;
  StatisticsWindow window;
  window.show();
  EXPECT_EQ(window.row(1), emptyRow("80"));
  EXPECT_EQ(window.scoreLine(), "Score: 0*(0+0)=0");

  window.addContact({"UA3AAA", "3.5", "599 AB", "UA3A"});
  EXPECT_EQ(window.row(1), figures("80", 1, 1, 1, 0));
  EXPECT_EQ(window.row(2), emptyRow("40"));
  window.addContact({"UA9BBB", "7", "599 MO12", "UA9"});
  EXPECT_EQ(window.row(2), figures("40", 1, 5, 0, 1));

  window.addContact({"UA3CCC", "14", "599 CD", "UA3A"});
  EXPECT_EQ(window.row(1), figures("80", 1, 1, 1, 0));
  EXPECT_EQ(window.row(2), figures("40", 1, 5, 0, 1));
  EXPECT_EQ(window.row(3), figures("Total", 3, 6, 2, 1));
  EXPECT_EQ(window.scoreLine(), "Score: 6*(2+1)=18");

  // The log itself holds no 3.5 or 7 MHz contact.
  log.add({"UA3EEE", "14", "599 EF", "UA3A"});
  window.child<QPushButton>("BitBtn1")->click();
  EXPECT_EQ(window.row(1), emptyRow("80"));
  EXPECT_EQ(window.row(2), emptyRow("40"));
  EXPECT_EQ(window.row(3), figures("Total", 1, 0, 1, 0));
}

TEST(StatisticsWindow, RecalcIsDisabledWhileItRunsAndAvailableAgainAfterAnError)
{
  HostLog log;
  StatisticsWindow window;
  window.show();
  auto* button = window.child<QPushButton>("BitBtn1");
  auto* command = window.child<QAction>("RecalcStatistic");
  EXPECT_EQ(command->text(), "Recalc Statistic");

  // A run lets pending events through twice: before it disables the command
  // and once the log is open. Posted from the first pass, the check runs in
  // the second, in the middle of the run.
  std::optional<bool> enabledInside;
  QMetaObject::invokeMethod(qApp, [&] {
    QMetaObject::invokeMethod(qApp, [&] { enabledInside = button->isEnabled() || command->isEnabled(); },
                              Qt::QueuedConnection);
  }, Qt::QueuedConnection);
  button->click();
  EXPECT_EQ(enabledInside, false);
  EXPECT_TRUE(button->isEnabled());

  window.addContact({"R1AA", "7", "599 AB", "UA3A"});
  ErrorCapture errors;
  window.context().tableName = "NoSuchTable";
  button->click();
  ASSERT_EQ(errors.errors().size(), 1);
  EXPECT_TRUE(errors.errors().front().contains("NoSuchTable")) << errors.errors().front().toStdString();
  // Nothing was counted: the grid and the score line alike show no figures.
  EXPECT_EQ(window.scoreLine(), "");
  EXPECT_EQ(window.row(3), emptyRow("Total"));
  EXPECT_TRUE(button->isEnabled());
  EXPECT_TRUE(command->isEnabled());
  EXPECT_TRUE(window->isVisible());
}

TEST(StatisticsWindow, CloseBoxMinimisesAndTheWindowKeepsCounting)
{
  HostLog log;
  StatisticsWindow window;
  window.show();
  window.addContact({"UA3AAA", "3.5", "599 AB", "UA3A"});

  // The window system's close box arrives as a close event on the native window.
  QCloseEvent closeBox;
  QCoreApplication::sendEvent(window->windowHandle(), &closeBox);
  settle();
  ASSERT_NE(window.get(), nullptr);
  EXPECT_TRUE(window->isMinimized());
  EXPECT_FALSE(window->isReleased());
  window.addContact({"UA3BBB", "3.5", "599 CD", "UA3A"});
  EXPECT_EQ(window.row(1), figures("80", 2, 2, 2, 0));
}

TEST(StatisticsWindow, CloseRequestEndsTheWindowWithItsAreaWindow)
{
  HostLog log;
  StatisticsWindow window;
  window.show();
  window.child<QPushButton>("btnOBL1")->click();
  QPointer<TfmDomList> area = window->areaWindow();
  ASSERT_NE(area, nullptr);

  EXPECT_TRUE(window->close());
  EXPECT_TRUE(window->isReleased());
  EXPECT_EQ(window->areaWindow(), nullptr);
  EXPECT_TRUE(area->isVisible()) << "the area window goes with its owner's destruction";
  settle();
  EXPECT_EQ(window.get(), nullptr);
  EXPECT_EQ(area, nullptr);
}

TEST(StatisticsWindow, RendersCentredFiguresOnTheGridColourAndABlueScoreLine)
{
  HostLog log;
  log.add({"UA9AAA", "7", "599 MO12", "UA9"});
  StatisticsWindow window;
  window.show();
  auto* grid = window.child<QTableWidget>("StringGrid1");
  EXPECT_EQ(window->size(), QSize(328, 121));
  EXPECT_EQ(grid->columnWidth(2), 64);
  EXPECT_EQ(grid->rowHeight(2), 17);

  const QImage image = window->grab().toImage();
  // Row 2, column 2: the 5 points of the 40 m contact.
  const QRect cell = grid->visualRect(grid->model()->index(2, 2))
                         .translated(grid->viewport()->mapTo(window.get(), QPoint(0, 0)));
  EXPECT_EQ(QColor(image.pixel(cell.left() + 2, cell.bottom() - 1)), QColor(253, 255, 206));
  const QRect ink = darkInk(image, cell);
  ASSERT_TRUE(ink.isValid()) << "the figure is drawn";
  EXPECT_LE(std::abs((ink.left() + ink.right() + 1) / 2 - (cell.left() + cell.width() / 2)), 1) << "centred";

  // In a cell much taller than the text, the text stays at the top edge.
  QImage tall(64, 60, QImage::Format_RGB32);
  QPainter painter(&tall);
  QStyleOptionViewItem option;
  option.initFrom(grid);
  option.rect = tall.rect();
  option.font = grid->font();
  grid->itemDelegate()->paint(&painter, option, grid->model()->index(2, 2));
  painter.end();
  EXPECT_LT(darkInk(tall, tall.rect()).bottom(), 15);

  auto* score = window.child<QLabel>("Label1");
  const QRect line(score->mapTo(window.get(), QPoint(0, 0)), score->size());
  int bluePixels = 0;
  for (int x = line.left(); x <= line.right(); ++x)
    for (int y = line.top(); y <= line.bottom(); ++y)
      bluePixels += qBlue(image.pixel(x, y)) > 180 && qRed(image.pixel(x, y)) < 90;
  EXPECT_GT(bluePixels, 20);
}

}  // namespace
}  // namespace q9x::test
