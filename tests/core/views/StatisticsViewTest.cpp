// The statistics window's texts: which band fills which row, the totals and
// the score line, and that the changes reported are exactly the cells whose
// text changed, since a front-end repaints only those.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "ui/MainForm/StatisticsView.h"

namespace q9x {
namespace {

using Row = std::array<std::string, StatisticsView::kColumns>;

class StatisticsViewTest : public ::testing::Test {
 protected:
  // Applies the reported changes to a copy of the grid, as a front-end does,
  // and checks the copy still reads as the view.
  void render(StatisticsView::Changes changes)
  {
    for (int row = 0; row < StatisticsView::kRows; ++row)
      for (int column = 0; column < StatisticsView::kColumns; ++column) {
        std::string& cell = drawn[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
        if (changes.cells & StatisticsView::cell(column, row)) {
          EXPECT_NE(cell, view.text(column, row)) << "reported unchanged cell " << column << "," << row;
          cell = view.text(column, row);
        }
        EXPECT_EQ(cell, view.text(column, row)) << "unreported change in cell " << column << "," << row;
      }
    if (changes.scoreLine) drawnScore = view.scoreLine();
    EXPECT_EQ(drawnScore, view.scoreLine());
  }
  void contact(const char* band, int points, int area = 0, int rda = 0)
  {
    stats.countContact(band, points);
    for (int i = 0; i < area; ++i) stats.countMultiplier(band, MultiplierKind::Area);
    for (int i = 0; i < rda; ++i) stats.countMultiplier(band, MultiplierKind::Rda);
    render(view.showFigures(stats));
  }
  Row row(int r) const
  {
    Row texts;
    for (int c = 0; c < StatisticsView::kColumns; ++c) texts[static_cast<std::size_t>(c)] = view.text(c, r);
    return texts;
  }

  StatisticsView view;
  BandStats stats;
  std::array<Row, StatisticsView::kRows> drawn;
  std::string drawnScore;
};

TEST_F(StatisticsViewTest, HeadingsAndTheBandsOfTheFigureRows)
{
  render(view.writeHeadings());
  EXPECT_EQ(row(0), (Row{"Band", "QSOs", "Points", "Q9X Area", "RDA"}));
  EXPECT_EQ(row(1), (Row{"80", "", "", "", ""}));
  EXPECT_EQ(row(3), (Row{"Total", "", "", "", ""}));
  EXPECT_EQ(view.scoreLine(), "");
  EXPECT_FALSE(view.writeHeadings().any()) << "written once";

  contact("3.5", 1, 1);
  contact("7", 5, 0, 1);
  contact("7", 5, 0, 1);
  EXPECT_EQ(row(1), (Row{"80", "1", "1", "1", "0"}));
  EXPECT_EQ(row(2), (Row{"40", "2", "10", "0", "2"}));
  EXPECT_EQ(row(3), (Row{"Total", "3", "11", "1", "2"}));
  EXPECT_EQ(view.scoreLine(), "Score: 11*(1+2)=33");
}

TEST_F(StatisticsViewTest, OtherBandsReachOnlyTheTotals)
{
  render(view.writeHeadings());
  contact("14", 0, 1);
  contact("7 ", 0, 0, 1);  // not band "7": its own entry
  EXPECT_EQ(row(1), (Row{"80", "", "", "", ""}));
  EXPECT_EQ(row(2), (Row{"40", "", "", "", ""}));
  EXPECT_EQ(row(3), (Row{"Total", "2", "0", "1", "1"}));
  EXPECT_EQ(view.scoreLine(), "Score: 0*(1+1)=0");
  EXPECT_FALSE(view.showFigures(stats).any()) << "nothing changed, nothing to repaint";

  // Totals beyond 32 bits are written in full.
  for (const char* band : {"21", "28"}) stats.countContact(band, 2'000'000'000);
  render(view.showFigures(stats));
  EXPECT_EQ(view.text(2, 3), "4000000000");
  EXPECT_EQ(view.scoreLine(), "Score: 4000000000*(1+1)=8000000000");
}

TEST_F(StatisticsViewTest, ClearingEmptiesTheFiguresAndARecountShowsOnlyWhatIsCounted)
{
  render(view.writeHeadings());
  contact("3.5", 1, 1);
  contact("7", 5);
  render(view.clearFigures());
  EXPECT_EQ(row(1), (Row{"80", "", "", "", ""}));
  EXPECT_EQ(row(3), (Row{"Total", "", "", "", ""}));
  EXPECT_EQ(view.scoreLine(), "") << "the score line goes with the figures";

  // The same figures as before the clearing are written again.
  render(view.showFigures(stats));
  EXPECT_EQ(row(1), (Row{"80", "1", "1", "1", "0"}));

  // Counted again without "3.5": its row empties even without a clearing.
  stats.clear();
  contact("7", 5);
  EXPECT_EQ(row(1), (Row{"80", "", "", "", ""}));
  EXPECT_EQ(row(2), (Row{"40", "1", "5", "0", "0"}));
  EXPECT_EQ(view.scoreLine(), "Score: 5*(0+0)=0");
}

}  // namespace
}  // namespace q9x
