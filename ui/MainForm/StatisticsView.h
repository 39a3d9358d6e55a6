#pragma once
// What the statistics window shows, as texts: the grid of 5 columns by 4
// rows (headings, the rows of 80 m and 40 m, the totals) and the score line.
// A front-end draws these texts; after each change it is told which cells
// changed, so that a counted contact repaints only the few it touched.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/BandStats.h"
#include "engine/Bands.h"

namespace q9x {

class StatisticsView {
 public:
  static constexpr int kColumns = 5;
  static constexpr int kRows = 4;

  // A set of cells, one bit per cell: bit row * kColumns + column.
  using Cells = std::uint32_t;
  static constexpr Cells cell(int column, int row) { return Cells{1} << (row * kColumns + column); }

  struct Changes {
    Cells cells = 0;
    bool scoreLine = false;
    bool any() const { return cells != 0 || scoreLine; }
  };

  // The band whose figures fill a figure row (1 or 2), and its label.
  struct BandRow {
    std::string_view label;
    std::string_view band;
  };
  static constexpr std::array<BandRow, 2> kBandRows = {{{"80", PointsBands[0]}, {"40", PointsBands[1]}}};

  // The cell's text; empty until something is written there.
  const std::string& text(int column, int row) const
  {
    return texts_[static_cast<std::size_t>(row * kColumns + column)];
  }
  // Empty until the first figures are shown.
  const std::string& scoreLine() const { return scoreLine_; }

  // The header row and the rows' labels.
  Changes writeHeadings();
  // The figures as they stand: the rows of 80 m and 40 m from their bands
  // (empty while a band has no contact), the totals and the score line.
  Changes showFigures(const BandStats& stats);
  // Empties the figure cells and the score line: while a recount runs, and
  // after a log that could not be opened, neither shows the old figures.
  Changes clearFigures();

 private:
  Changes set(int column, int row, std::string_view text);
  // Writes a figure's text only when the figure differs from the one shown.
  void showFigure(int column, int row, std::optional<std::int64_t> value, Changes& changes);

  std::array<std::string, kColumns * kRows> texts_;
  // The figures the cells of columns 1 to 4, rows 1 to 3 show, none while empty.
  std::array<std::optional<std::int64_t>, (kColumns - 1) * (kRows - 1)> figures_{};
  std::string scoreLine_;
};

}  // namespace q9x
