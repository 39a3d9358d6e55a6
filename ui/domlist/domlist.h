#pragma once
// The area window: the area codes of the area file, with the codes worked on
// the selected band marked. Owned by the statistics window.

#include <QWidget>
#include <string>

namespace q9x {

class TfmMainForm;

class TfmDomList : public QWidget {
  Q_OBJECT

 public:
  explicit TfmDomList(TfmMainForm& owner);

  // Selects band n (1 to 9) and stores n as the statistics window's
  // "CurrentBand", also when it is outside 1 to 9.
  void SelectBand(int n);
  const std::string& BandText() const { return bandText_; }

 private:
  TfmMainForm& owner_;
  std::string bandText_;
};

}  // namespace q9x
