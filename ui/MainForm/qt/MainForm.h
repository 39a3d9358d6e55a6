#pragma once
// The statistics window: owner of the scoring session while the plug-in is
// open. It shows QSOs, points and multipliers for 80 m, 40 m and in total,
// and the score line; Recalc rebuilds everything from the host's log.

#include <QPointer>
#include <QWidget>
#include <filesystem>

#include "session/ScoringSession.h"
#include "session/SessionHost.h"
#include "ui/MainForm/StatisticsView.h"
#include "ui/settings/qt/FormStorage.h"

class QAction;
class QLabel;
class QPushButton;
class QTableWidget;
class QFrame;

namespace q9x {

class TfmDomList;

// The front-end of a scoring session: it renders the session's figures,
// forwards the operator's actions, runs the events the session lets run and
// destroys itself when the session asks.
class TfmMainForm : public QWidget, private SessionFrontEnd, private SessionObserver {
  Q_OBJECT

 public:
  // The window reads the host's call from host from then on (table name, band
  // and own prefix at every recalculation); host must outlive it. Reads the
  // log through Qt SQL and the area file beside the host program, unless
  // given others. Throws when the area file exists but cannot be read.
  explicit TfmMainForm(SessionHost& host);
  TfmMainForm(SessionHost& host, const LogReaderFactory& readers, const std::filesystem::path& areaFile);
  ~TfmMainForm() override;

  ScoringSession& session() { return session_; }
  const ScoringSession& session() const { return session_; }

  // Shows the window when it is hidden (its first showing recalculates) and
  // raises it. False when the window was released meanwhile.
  bool present();

  // Releases the window (deferred) with its engine and area window; from then
  // on the plug-in answers as with no window, and the window serves nothing.
  void release();
  bool isReleased() const { return session_.isReleased(); }

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
  // Writes the figures into the grid and the score line.
  void ShowStatistic();
  // Keeps the area window's band in step with the counted contacts.
  void ShowDXList(int band);
  // The Recalc command and the area button follow the session's state.
  void showCommands();

  void runPendingEvents() override;
  void destroyLater() override;
  void changed(const SessionChange& change) override;
  void clearFigureCells();
  // Sets the texts of the changed cells and repaints them.
  void render(StatisticsView::Changes changes);
  void setCell(int column, int row);
  StatisticsView view_;

  ScoringSession session_;
  TFormStorage FormStorage1;
  QPointer<TfmDomList> areaWindow_;

  QTableWidget* StringGrid1 = nullptr;
  QFrame* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* btnOBL1 = nullptr;
  QAction* RecalcStatistic = nullptr;
};

}  // namespace q9x
