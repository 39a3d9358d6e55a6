#include "ui/domlist/qt/BandButtonLook.h"

#include <QString>
#include <QWidget>

namespace q9x {

void styleBandButtons(QWidget& panel)
{
  // The palette's own roles keep the buttons in the host's colours; only the
  // pressed state is made strong enough to see.
  panel.setStyleSheet(QString::fromLatin1(
      "QToolButton { border: 1px solid transparent; border-radius: 2px; padding: 0px; }"
      "QToolButton:hover { border-color: palette(mid); background: palette(light); }"
      "QToolButton:checked { border: 1px solid palette(shadow); background: palette(highlight);"
      " color: palette(highlighted-text); }"
      "QToolButton:checked:hover { border-color: palette(text); }"));
}

}  // namespace q9x
