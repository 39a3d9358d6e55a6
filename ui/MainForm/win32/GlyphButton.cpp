#include "ui/MainForm/win32/GlyphButton.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace q9x::win32 {

namespace {
constexpr int kGlyphSize = 16;
constexpr int kSpacing = 4;

struct Point {
  double x, y;
};

// 16 x 16 pixels, 0xAARRGGBB, top row first; transparent where nothing is drawn.
using Pixels = std::array<std::uint32_t, kGlyphSize * kGlyphSize>;

std::uint32_t argb(int r, int g, int b, int a = 255)
{
  return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 |
         static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b);
}

double distanceToSegment(Point p, Point a, Point b)
{
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool inside(Point p, const std::vector<Point>& polygon)
{
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point a = polygon[i], b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

double distanceToOutline(Point p, const std::vector<Point>& polygon)
{
  double nearest = 1e9;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
    nearest = std::min(nearest, distanceToSegment(p, polygon[j], polygon[i]));
  return nearest;
}

// An arrow head at tip, pointing along (dx, dy), one of the four axes.
std::vector<Point> arrowHead(Point tip, int dx, int dy)
{
  const Point back{-dx * 3.0, -dy * 3.0}, side{-dy * 3.0, dx * 3.0};
  return {tip, {tip.x + back.x + side.x, tip.y + back.y + side.y}, {tip.x + back.x - side.x, tip.y + back.y - side.y}};
}

// Hard-edged, as a 16-colour picture is: each pixel takes the colour at its centre.
Pixels recalcPixels()
{
  const std::uint32_t darkGreen = argb(0, 128, 0), green = argb(0, 255, 0);
  const std::vector<Point> heads[] = {arrowHead({2, 11}, 0, 1), arrowHead({13, 4}, 0, -1)};
  Pixels pixels{};
  for (int y = 0; y < kGlyphSize; ++y)
    for (int x = 0; x < kGlyphSize; ++x) {
      const Point p{x + 0.5, y + 0.5};
      std::uint32_t& pixel = pixels[static_cast<std::size_t>(y * kGlyphSize + x)];
      // Two half rings with a gap where each arrow head sits, so the pair reads as a cycle.
      const double radius = std::hypot(p.x - 8, p.y - 8);
      double degrees = std::atan2(8 - p.y, p.x - 8) * 180 / 3.14159265358979;
      if (degrees < 0) degrees += 360;
      if (radius >= 4 && radius <= 6 && ((degrees >= 30 && degrees <= 180) || degrees >= 210)) pixel = darkGreen;
      for (const std::vector<Point>& head : heads) {
        if (inside(p, head)) pixel = green;
        if (distanceToOutline(p, head) <= 0.5) pixel = darkGreen;
      }
    }
  return pixels;
}

Point bezier(Point a, Point b, Point c, Point d, double t)
{
  const double u = 1 - t;
  return {u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x,
          u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y};
}

// The pin's outline: a drop whose round head is a circle of radius 5 about
// (8, 5.5) and whose point is at (8, 14).
std::vector<Point> pinOutline()
{
  std::vector<Point> outline;
  constexpr int kSteps = 12;
  for (int k = 0; k <= kSteps; ++k) outline.push_back(bezier({8, 14}, {4.5, 9.5}, {3, 7.5}, {3, 5.5}, double(k) / kSteps));
  for (int k = 1; k < kSteps; ++k) {
    const double angle = 3.14159265358979 * k / kSteps;
    outline.push_back({8 - 5 * std::cos(angle), 5.5 - 5 * std::sin(angle)});
  }
  for (int k = 0; k < kSteps; ++k) outline.push_back(bezier({13, 5.5}, {13, 7.5}, {11.5, 9.5}, {8, 14}, double(k) / kSteps));
  return outline;
}

struct Colour {
  double r = 0, g = 0, b = 0, a = 0;
};

Colour mix(Colour from, Colour to, double t)
{
  t = std::clamp(t, 0.0, 1.0);
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t, 1};
}

// Soft-edged: each pixel averages 4 x 4 samples.
Pixels areaPixels()
{
  const std::vector<Point> pin = pinOutline();
  constexpr int kSamples = 4;
  Pixels pixels{};
  for (int y = 0; y < kGlyphSize; ++y)
    for (int x = 0; x < kGlyphSize; ++x) {
      Colour sum;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          const Point p{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples};
          Colour c;
          // The land: a flat green-to-olive patch along the bottom.
          if (std::pow((p.x - 8) / 7, 2) + std::pow((p.y - 13) / 2.5, 2) <= 1)
            c = mix({120, 190, 90}, {70, 120, 50}, (p.y - 11) / 5);
          // The pin: a red drop lit from the upper left, with a light spot.
          if (inside(p, pin)) c = mix({255, 140, 120}, {170, 20, 20}, std::hypot(p.x - 6.5, p.y - 4) / 7);
          if (distanceToOutline(p, pin) <= 0.4) c = {110, 10, 10, 1};
          if (std::hypot(p.x - 8, p.y - 5.5) <= 1.8) c = {255, 255, 255, 1};
          sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
        }
      if (sum.a == 0) continue;
      pixels[static_cast<std::size_t>(y * kGlyphSize + x)] =
          argb(static_cast<int>(sum.r / sum.a + 0.5), static_cast<int>(sum.g / sum.a + 0.5),
               static_cast<int>(sum.b / sum.a + 0.5), static_cast<int>(sum.a * 255 / (kSamples * kSamples) + 0.5));
    }
  return pixels;
}

// An icon with an alpha channel; the system blends it over the button face.
HICON iconFrom(const Pixels& pixels)
{
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kGlyphSize;
  info.bmiHeader.biHeight = -kGlyphSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP colour = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!colour) return nullptr;
  std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
  // The mask marks every pixel as the picture's: the alpha channel decides.
  const std::array<WORD, kGlyphSize> noMask{};
  HBITMAP mask = ::CreateBitmap(kGlyphSize, kGlyphSize, 1, 1, noMask.data());
  ICONINFO icon{TRUE, 0, 0, mask, colour};
  HICON result = mask ? ::CreateIconIndirect(&icon) : nullptr;
  if (mask) ::DeleteObject(mask);
  ::DeleteObject(colour);
  return result;
}
// The picture's shape in the shadow colour over the same shape in the
// highlight colour a pixel down and right, as disabled pictures are etched.
Pixels greyed(const Pixels& pixels)
{
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const auto opaque = [](std::uint32_t pixel) { return (pixel >> 24) >= 128; };
  Pixels etched{};
  for (int y = 0; y < kGlyphSize; ++y)
    for (int x = 0; x < kGlyphSize; ++x) {
      std::uint32_t& pixel = etched[static_cast<std::size_t>(y * kGlyphSize + x)];
      if (opaque(pixels[static_cast<std::size_t>(y * kGlyphSize + x)]))
        pixel = argb(GetRValue(shadow), GetGValue(shadow), GetBValue(shadow));
      else if (x > 0 && y > 0 && opaque(pixels[static_cast<std::size_t>((y - 1) * kGlyphSize + x - 1)]))
        pixel = argb(GetRValue(light), GetGValue(light), GetBValue(light));
    }
  return etched;
}

Glyph glyphFrom(const Pixels& pixels) { return {iconFrom(pixels), iconFrom(greyed(pixels))}; }
}  // namespace

void destroyGlyph(Glyph& glyph)
{
  for (HICON icon : {glyph.normal, glyph.greyed})
    if (icon) ::DestroyIcon(icon);
  glyph = {};
}

Glyph createRecalcGlyph() { return glyphFrom(recalcPixels()); }
Glyph createAreaGlyph() { return glyphFrom(areaPixels()); }

void drawGlyphButton(const DRAWITEMSTRUCT& item, const Glyph& glyph)
{
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  char caption[64] = {};
  const int length = ::GetWindowTextA(item.hwndItem, caption, sizeof caption);
  HGDIOBJ oldFont =
      ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
  SIZE text{};
  ::GetTextExtentPoint32A(dc, caption, length, &text);

  // Picture and caption centred as one, moved a pixel down and right while pressed.
  const int shift = pressed ? 1 : 0;
  const int width = item.rcItem.right - item.rcItem.left, height = item.rcItem.bottom - item.rcItem.top;
  const int left = item.rcItem.left + (width - (kGlyphSize + kSpacing + text.cx)) / 2 + shift;
  const int glyphTop = item.rcItem.top + (height - kGlyphSize) / 2 + shift;
  const int textLeft = left + kGlyphSize + kSpacing;
  const int textTop = item.rcItem.top + (height - text.cy) / 2 + shift;
  if (HICON icon = disabled ? glyph.greyed : glyph.normal)
    ::DrawIconEx(dc, left, glyphTop, icon, kGlyphSize, kGlyphSize, 0, nullptr, DI_NORMAL);
  ::SetBkMode(dc, TRANSPARENT);
  if (disabled) {
    ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(caption), static_cast<WPARAM>(length), textLeft,
                 textTop, text.cx, text.cy, DST_TEXT | DSS_DISABLED);
  } else {
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    ::TextOutA(dc, textLeft, textTop, caption, length);
  }
  ::SelectObject(dc, oldFont);

  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    ::InflateRect(&focus, -4, -4);
    ::DrawFocusRect(dc, &focus);
  }
}

}  // namespace q9x::win32
