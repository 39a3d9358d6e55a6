#pragma once
// The 16 x 16 pictures on the statistics window's two buttons, drawn here
// rather than shipped as files. Every window gets the same two icons: see
// Glyphs.cpp for why they are made once per process.

#include <QIcon>

namespace q9x {

// Two green arrows chasing each other round a circle: "count again".
QIcon recalcIcon();

// A small shaded map pin over a patch of land: "show the areas".
QIcon areaIcon();

}  // namespace q9x
