#pragma once
// The look of the area window's band buttons: flat until the mouse is over
// one, and the pressed one filled in the selection colour, so that the band
// shown can be told at a glance.

class QWidget;

namespace q9x {

// Applies to every band button on the panel.
void styleBandButtons(QWidget& panel);

}  // namespace q9x
