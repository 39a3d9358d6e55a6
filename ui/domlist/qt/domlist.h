#pragma once
// The area window: the area codes of the area file, with the codes worked on
// the selected band marked. Owned by the statistics window; it reads the
// scoring session and tells its owner of band selections by a signal.

#include <QVariant>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <string_view>

#include "ui/domlist/AreaListView.h"
#include "ui/settings/qt/FormStorage.h"

class QButtonGroup;
class QFrame;
class QListWidget;

namespace q9x {

class ScoringSession;

class TfmDomList : public QWidget {
  Q_OBJECT

 public:
  // The band the owner has stored, read each time the window is shown.
  using StoredBand = std::function<QVariant()>;

  // Builds the window and fills the list from the session's area table. The
  // session lives as long as the owner, which outlives this window.
  TfmDomList(QWidget& owner, const ScoringSession& session, StoredBand storedBand);

  // Selects band n (1 to 9) and reports n by bandSelected, also when it is
  // outside 1 to 9.
  void SelectBand(int n);
  std::string_view BandText() const { return view_.bandText(); }
  // The owner was released: the band buttons serve nothing until both go.
  void ownerReleased();

  // The look of an item of the list at this moment, from the session's
  // worked areas.
  AreaMark LV1CustomDrawItem(std::size_t item);
  // The session's worked areas were emptied, to be counted again.
  void workedCleared() { view_.workedCleared(); }

 signals:
  // The window was closed and waits for its deferred destruction.
  void closing();
  // Band n was selected while the owner serves; the owner stores it.
  void bandSelected(int n);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  void buildBandButtons();
  void FormCreate();
  void FormShow();
  void Panel2Resize();
  void RzBitBtn1Click(int tag);
  // False once the owner is released and on its way out.
  bool ownerServes() const;

  const ScoringSession& session_;
  StoredBand storedBand_;
  AreaListView view_;
  TFormStorage FormStorage1;

  QFrame* Panel2 = nullptr;
  QButtonGroup* bandButtons_ = nullptr;
  QListWidget* LV1 = nullptr;
  QFrame* spl1 = nullptr;
};

}  // namespace q9x
