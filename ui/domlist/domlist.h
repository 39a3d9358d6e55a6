#pragma once
// The area window: the area codes of the area file, with the codes worked on
// the selected band marked. Owned by the statistics window.

#include <QWidget>
#include <string>
#include <string_view>

#include "ui/domlist/AreaCodes.h"
#include "ui/settings/FormStorage.h"

class QButtonGroup;
class QFrame;
class QListWidget;

namespace q9x {

class TfmMainForm;

class TfmDomList : public QWidget {
  Q_OBJECT

 public:
  // Builds the window and fills the list from the owner's area table.
  explicit TfmDomList(TfmMainForm& owner);

  // Selects band n (1 to 9) and stores n as the statistics window's
  // "CurrentBand", also when it is outside 1 to 9.
  void SelectBand(int n);
  const std::string& BandText() const { return bandText_; }
  // The owner was released: the band buttons serve nothing until both go.
  void ownerReleased();

  // The look of a listed code at this moment, from the owner's worked areas.
  AreaMark LV1CustomDrawItem(std::string_view code) const;

  // Position only; this window stores no values.
  TFormStorage& formStorage() { return FormStorage1; }

 signals:
  // The window was closed and waits for its deferred destruction.
  void closing();

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
  // The owner while it is open; null once it is closed and on its way out.
  TfmMainForm* openOwner() const;

  TfmMainForm& owner_;
  std::string bandText_;
  TFormStorage FormStorage1;

  QFrame* Panel2 = nullptr;
  QButtonGroup* bandButtons_ = nullptr;
  QListWidget* LV1 = nullptr;
  QFrame* spl1 = nullptr;
};

}  // namespace q9x
