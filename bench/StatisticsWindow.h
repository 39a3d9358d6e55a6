#pragma once
// The plug-in's statistics window driven the way a user drives it: found by
// its object name, its Recalc button clicked, its figures read from the grid.

#include "hostkit/ErrorBoxWatcher.h"

class QWidget;

namespace q9x::bench {

class StatisticsWindow {
 public:
  // Finds the shown window; throws when the plug-in shows none.
  StatisticsWindow();

  // Clicks Recalc and returns when the recalculation is done; throws when
  // the button is missing or disabled.
  void recalc();
  // The "Total" row's QSOs figure; -1 when the cell holds no number.
  long long totalQsos() const;

 private:
  QWidget* window_ = nullptr;
};

// Error boxes the plug-in opens while one lives are answered at once and
// their texts collected: a benchmark must not hang on a modal box.
using ErrorBoxCatcher = q9xkit::ErrorBoxWatcher;

}  // namespace q9x::bench
