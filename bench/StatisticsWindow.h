#pragma once
// The plug-in's statistics window driven the way a user drives it: found by
// its object name, its Recalc button clicked, its figures read from the grid.

#include <QObject>
#include <QStringList>
#include <QTimer>

class QWidget;

namespace q9x::bench {

class StatisticsWindow {
 public:
  // Finds the open window; throws when the plug-in shows none.
  StatisticsWindow();

  // Clicks Recalc and returns when the recalculation is done.
  void recalc();
  // The "Total" row's QSOs figure.
  long long totalQsos() const;

 private:
  QWidget* window_ = nullptr;
};

// Error boxes the plug-in opens while this lives are answered at once and
// their texts collected: a benchmark must not hang on a modal box.
class ErrorBoxCatcher : public QObject {
 public:
  ErrorBoxCatcher();
  const QStringList& texts() const { return texts_; }

 private:
  void closeOpenBoxes();

  QTimer timer_;
  QStringList texts_;
};

}  // namespace q9x::bench
