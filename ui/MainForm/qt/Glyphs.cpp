#include "ui/MainForm/qt/Glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace q9x {

namespace {
constexpr int kGlyphSize = 16;

QPixmap emptyGlyph()
{
  QPixmap pixmap(kGlyphSize, kGlyphSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// An arrow head at tip, pointing along (dx, dy), one of the four axes.
QPolygon arrowHead(QPoint tip, int dx, int dy)
{
  const QPoint back(-dx * 3, -dy * 3);
  const QPoint side(-dy * 3, dx * 3);
  return QPolygon({tip, tip + back + side, tip + back - side});
}

// Drawn with colours of the classic 16-colour palette only.
QPixmap recalcGlyph()
{
  QPixmap pixmap = emptyGlyph();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor darkGreen(0, 128, 0);
  const QColor green(0, 255, 0);

  // Two half circles, each ending in an arrow head, so the pair reads as a cycle.
  QPen pen(darkGreen, 2);
  painter.setPen(pen);
  const QRect ring(3, 3, 10, 10);
  painter.drawArc(ring, 30 * 16, 150 * 16);
  painter.drawArc(ring, 210 * 16, 150 * 16);

  painter.setPen(darkGreen);
  painter.setBrush(green);
  painter.drawPolygon(arrowHead(QPoint(2, 11), 0, 1));
  painter.drawPolygon(arrowHead(QPoint(13, 4), 0, -1));
  return pixmap;
}

QPixmap areaGlyph()
{
  QPixmap pixmap = emptyGlyph();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);

  // The land: a flat green-to-olive patch along the bottom.
  QLinearGradient land(0, 11, 0, 16);
  land.setColorAt(0, QColor(120, 190, 90));
  land.setColorAt(1, QColor(70, 120, 50));
  painter.setPen(Qt::NoPen);
  painter.setBrush(land);
  painter.drawEllipse(QRectF(1, 10.5, 14, 5));

  // The pin: a red drop with a light spot, its point touching the land.
  QPainterPath pin;
  pin.moveTo(8, 14);
  pin.cubicTo(4.5, 9.5, 3, 7.5, 3, 5.5);
  pin.arcTo(QRectF(3, 0.5, 10, 10), 180, -180);
  pin.cubicTo(13, 7.5, 11.5, 9.5, 8, 14);
  QRadialGradient shade(QPointF(6.5, 4), 7);
  shade.setColorAt(0, QColor(255, 140, 120));
  shade.setColorAt(1, QColor(170, 20, 20));
  painter.setBrush(shade);
  painter.setPen(QPen(QColor(110, 10, 10), 0.8));
  painter.drawPath(pin);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(8, 5.5), 1.8, 1.8);
  return pixmap;
}
}  // namespace

// Painting an icon leaves its scaled and greyed copies in Qt's process-wide
// pixmap cache, keyed by the source picture. A picture drawn afresh for every
// window would leave a new set there per window until the cache is full, so
// each picture is drawn once and every window shares it. The icons go with
// the library's other static objects, at unload or at exit; Qt lets a
// picture outlive the application.
QIcon recalcIcon()
{
  static const QIcon icon(recalcGlyph());
  return icon;
}

QIcon areaIcon()
{
  static const QIcon icon(areaGlyph());
  return icon;
}

}  // namespace q9x
