#pragma once
// The 16 x 16 pictures on the statistics window's two buttons, drawn here
// rather than shipped as files.

#include <QPixmap>

namespace q9x {

// Two green arrows chasing each other round a circle: "count again".
// Drawn with colours of the classic 16-colour palette only.
QPixmap recalcGlyph();

// A small shaded map pin over a patch of land: "show the areas".
QPixmap areaGlyph();

}  // namespace q9x
