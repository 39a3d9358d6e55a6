#include "ui/domlist/domlist.h"

#include "engine/Bands.h"
#include "ui/MainForm/MainForm.h"

namespace q9x {

TfmDomList::TfmDomList(TfmMainForm& owner)
    : QWidget(&owner, Qt::Window | Qt::WindowStaysOnTopHint), owner_(owner)
{
  setObjectName(QStringLiteral("fmDomList"));
  setWindowTitle(QStringLiteral("Q9X Area"));
  setAttribute(Qt::WA_DeleteOnClose);
}

void TfmDomList::SelectBand(int n)
{
  if (n >= 1 && n <= 9) bandText_ = BandNames[static_cast<std::size_t>(n - 1)];
  owner_.formStorage().SetValueByName(QStringLiteral("CurrentBand"), n);
}

}  // namespace q9x
