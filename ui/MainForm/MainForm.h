#pragma once
// The statistics window: owner of the scoring session while the plug-in is
// open. It shows QSOs, points and multipliers for 80 m, 40 m and in total,
// and the score line; Recalc rebuilds everything from the host's log.

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "session/ScoringSession.h"
#include "session/SessionHost.h"
#include "ui/settings/qt/FormStorage.h"

class QAction;
class QLabel;
class QPushButton;
class QTableWidget;
class QFrame;

namespace q9x {

class TfmDomList;

class TfmMainForm : public QWidget {
  Q_OBJECT

 public:
  // The window reads the host's call from host from then on (table name, band
  // and own prefix at every recalculation); host must outlive it. Loads the
  // area file; throws when it exists but cannot be read.
  explicit TfmMainForm(SessionHost& host);
  ~TfmMainForm() override;

  ScoringSession& session() { return session_; }
  const ScoringSession& session() const { return session_; }

  // Shows the window when it is hidden (its first showing recalculates) and
  // raises it. False when the window was released meanwhile.
  bool present();

  // Releases the window (deferred) with its engine and area window; from then
  // on the plug-in answers as with no window, and the window serves nothing.
  void release();
  bool isReleased() const { return released_; }

  // The open area window, or null; never a window that is closed or gone.
  TfmDomList* areaWindow() const;
  TFormStorage& formStorage() { return FormStorage1; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildLayout();
  void buildGrid();
  void buildPanel();
  void FormShow();
  void btnOBL1Click();
  void runRecalc();
  // Empties the engine and counts every contact of the host's log again.
  void RecalcStatisticExecute();
  // Stops early when the window was released while the log query opened.
  void LoadLog();
  // Writes the figures into the grid and the score line.
  void ShowStatistic();
  // Keeps the area window's band in step with the counted contacts.
  void ShowDXList(int band);
  // Lets pending events run once; false when they released or destroyed this
  // window, which must then not be touched any more.
  bool letEventsRun();
  void destroyLater();
  void clearFigureCells();
  void setCell(int column, int row, const QString& text);
  // The figures the grid's rows 1 to 3, columns 1 to 4 show, none while empty.
  std::array<std::optional<std::int64_t>, 12> shownFigures_{};

  ScoringSession session_;
  TFormStorage FormStorage1;
  QPointer<TfmDomList> areaWindow_;
  bool released_ = false;
  bool destructionScheduled_ = false;
  // Work of this window on the stack that may let events run; a release
  // waits for it before the window is destroyed.
  class WorkInProgress;
  int workInProgress_ = 0;

  QTableWidget* StringGrid1 = nullptr;
  QFrame* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* btnOBL1 = nullptr;
  QAction* RecalcStatistic = nullptr;
};

}  // namespace q9x
