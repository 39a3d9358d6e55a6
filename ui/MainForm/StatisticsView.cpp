#include "ui/MainForm/StatisticsView.h"

#include <charconv>

namespace q9x {

namespace {
constexpr std::array<std::string_view, StatisticsView::kColumns> kHeadings = {"Band", "QSOs", "Points",
                                                                             "Q9X Area", "RDA"};

// Decimal, without grouping.
std::string_view decimal(std::int64_t value, std::array<char, 24>& buffer)
{
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}
}  // namespace

StatisticsView::Changes StatisticsView::set(int column, int row, std::string_view text)
{
  Changes changes;
  std::string& shown = texts_[static_cast<std::size_t>(row * kColumns + column)];
  if (shown != text) {
    shown = text;
    changes.cells = cell(column, row);
  }
  return changes;
}

StatisticsView::Changes StatisticsView::writeHeadings()
{
  Changes changes;
  for (int column = 0; column < kColumns; ++column) changes.cells |= set(column, 0, kHeadings[column]).cells;
  for (std::size_t i = 0; i < kBandRows.size(); ++i)
    changes.cells |= set(0, static_cast<int>(i) + 1, kBandRows[i].label).cells;
  changes.cells |= set(0, 3, "Total").cells;
  return changes;
}

void StatisticsView::showFigure(int column, int row, std::optional<std::int64_t> value, Changes& changes)
{
  // Most of a contact's figures stay as they were: comparing the numbers
  // spares writing their texts again.
  auto& shown = figures_[static_cast<std::size_t>((row - 1) * (kColumns - 1) + column - 1)];
  if (shown == value) return;
  shown = value;
  std::array<char, 24> buffer;
  changes.cells |= set(column, row, value ? decimal(*value, buffer) : std::string_view()).cells;
}

StatisticsView::Changes StatisticsView::showFigures(const BandStats& stats)
{
  Changes changes;
  for (std::size_t i = 0; i < kBandRows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    const TStatistic* s = stats.find(kBandRows[i].band);
    showFigure(1, row, s ? std::optional<std::int64_t>(s->QSOs) : std::nullopt, changes);
    showFigure(2, row, s ? std::optional<std::int64_t>(s->Points) : std::nullopt, changes);
    showFigure(3, row, s ? std::optional<std::int64_t>(s->AreaMults) : std::nullopt, changes);
    showFigure(4, row, s ? std::optional<std::int64_t>(s->RdaMults) : std::nullopt, changes);
  }
  const Totals& t = stats.totals();
  showFigure(1, 3, t.QSOs, changes);
  showFigure(2, 3, t.Points, changes);
  showFigure(3, 3, t.Area, changes);
  showFigure(4, 3, t.Rda, changes);

  std::array<char, 24> buffer;
  std::string line = "Score: ";
  line += decimal(t.Points, buffer);
  line += "*(";
  line += decimal(t.Area, buffer);
  line += '+';
  line += decimal(t.Rda, buffer);
  line += ")=";
  line += decimal(t.score(), buffer);
  if (line != scoreLine_) {
    scoreLine_ = std::move(line);
    changes.scoreLine = true;
  }
  return changes;
}

StatisticsView::Changes StatisticsView::clearFigures()
{
  Changes changes;
  for (int row = 1; row < kRows; ++row)
    for (int column = 1; column < kColumns; ++column) showFigure(column, row, std::nullopt, changes);
  changes.scoreLine = !scoreLine_.empty();
  scoreLine_.clear();
  return changes;
}

}  // namespace q9x
