#include "grid/qt/GridCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>
#include <array>
#include <cmath>

#include "grid/TextGridHost.h"

namespace {
constexpr int Size = 32;

// A shape filled white with a black outline, or black with a white outline,
// on a transparent 32 x 32 picture.
QPixmap Draw(const QPainterPath& Shape, bool White) {
  QPixmap pixmap(Size, Size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(White ? Qt::black : Qt::white, 1));
  p.setBrush(White ? Qt::white : Qt::black);
  p.drawPath(Shape);
  return pixmap;
}

// A plus of arms 4 wide reaching 8 pixels from the centre (15, 15).
QCursor Plus() {
  QPainterPath path;
  path.addRect(QRectF(13, 7, 5, 17));
  path.addRect(QRectF(7, 13, 17, 5));
  return QCursor(Draw(path.simplified(), true), 15, 15);
}

// A cross of lines one pixel wide, 7 pixels each side of the centre.
QCursor Cross() {
  QPainterPath path;
  path.addRect(QRectF(14, 7, 2, 16));
  path.addRect(QRectF(7, 14, 16, 2));
  return QCursor(Draw(path.simplified(), false), 15, 15);
}

// An arrow of 14 pixels, turned by Angle degrees from +x (clockwise, y
// down), whose tip is the hot spot, 13 pixels from the picture's centre.
QCursor Arrow(qreal Angle) {
  QPainterPath arrow;  // along +x with the tip at the origin
  arrow.moveTo(0, 0);
  arrow.lineTo(-6, -6);
  arrow.lineTo(-6, -2);
  arrow.lineTo(-14, -2);
  arrow.lineTo(-14, 2);
  arrow.lineTo(-6, 2);
  arrow.lineTo(-6, 6);
  arrow.closeSubpath();
  const qreal radians = qDegreesToRadians(Angle);
  const QPointF tip(15 + 13 * std::cos(radians), 15 + 13 * std::sin(radians));
  QTransform t;
  t.translate(tip.x(), tip.y());
  t.rotate(Angle);
  return QCursor(Draw(t.map(arrow), false), qRound(tip.x()), qRound(tip.y()));
}
}  // namespace

QCursor GridCursor(std::int16_t Id) {
  static const std::array<QCursor, 5> own = {Plus(), Cross(), Arrow(0), Arrow(90), Arrow(45)};
  if (Id >= crGridPlus && Id <= crGridLeftTop) return own[static_cast<std::size_t>(Id - crGridPlus)];
  return Id == crHSplit ? QCursor(Qt::SplitHCursor) : QCursor(Qt::ArrowCursor);
}
