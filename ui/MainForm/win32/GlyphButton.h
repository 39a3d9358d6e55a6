#pragma once
// The statistics window's two buttons with their 16 x 16 pictures beside the
// caption, as bitmap buttons show them: the buttons are owner-drawn and the
// window hands each WM_DRAWITEM here with the button's picture.

#include <windows.h>

namespace q9x::win32 {

// A picture as an enabled button shows it, and its etched grey shape for a
// disabled one; the window that made it destroys it.
struct Glyph {
  HICON normal = nullptr;
  HICON greyed = nullptr;
};
void destroyGlyph(Glyph& glyph);

// Two green arrows chasing each other round a circle: "count again". Drawn
// in colours of the classic 16-colour palette only.
Glyph createRecalcGlyph();
// A small shaded map pin over a patch of land: "show the areas". True colour
// with soft edges.
Glyph createAreaGlyph();

// The raised (or pressed) button face, the picture and the caption centred
// together with four pixels between them, both greyed when disabled, and the
// focus rectangle.
void drawGlyphButton(const DRAWITEMSTRUCT& item, const Glyph& glyph);

}  // namespace q9x::win32
