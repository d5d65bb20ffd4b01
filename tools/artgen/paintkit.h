// Shared drawing helpers of the skin generator: palette, fonts, shaped faces and file output.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>

class QPainter;

namespace art {

// One calm palette for every picture, so the windows look like one product.
namespace pal {
inline const QColor Navy{0x12, 0x33, 0x5c};
inline const QColor Blue{0x23, 0x62, 0xa8};
inline const QColor BlueLight{0x3d, 0x86, 0xd4};
inline const QColor Sky{0x8c, 0xc2, 0xf2};
inline const QColor Ink{0x1d, 0x2b, 0x3c};
inline const QColor Slate{0x5b, 0x6b, 0x7e};
inline const QColor Line{0xc9, 0xd4, 0xe1};
inline const QColor Paper{0xf4, 0xf7, 0xfa};
inline const QColor Frame{0x6f, 0x86, 0xa3};
inline const QColor Key{0xff, 0x00, 0xff};
} // namespace pal

// Registers the window font; every later uiFont() uses it.
void initFonts();
QFont uiFont(int pixelSize, bool bold = false);

// One line of text in `box` with the given alignment. Bold text is drawn as an outline with a thin
// stroke: the Tahoma-compatible bold face is barely heavier than the regular one at these sizes.
void drawLabel(QPainter& p, const QRectF& box, int align, const QString& text, int pixelSize, bool bold,
               const QColor& colour);
// Width of that text as drawLabel draws it.
qreal labelWidth(const QString& text, int pixelSize, bool bold);

QImage canvas(int width, int height, const QColor& fill);
void beginPainter(QPainter& p, QImage& img);

// Turns a face painted on an opaque image into a shapeable bitmap face: every pixel whose centre lies
// outside `shape` becomes exact fuchsia, every other pixel keeps its painted colour. Faces are painted
// on a background of their own edge colour, so the antialiased rim blends toward the button and never
// toward the key colour.
QImage keyOutside(const QImage& painted, const QPainterPath& shape);

// Rounded rectangle covering a whole w x h face.
QPainterPath faceShape(int width, int height, qreal radius);

// Wireless arcs (the product mark): `count` arcs opening upward from the point (cx, cy).
void drawWaves(QPainter& p, QPointF centre, qreal firstRadius, qreal step, int count, const QColor& colour,
               qreal penWidth, qreal spanDegrees = 90);

// Small round badge with a step number, used on the tutorial pictures.
void drawStepBadge(QPainter& p, QPointF centre, int number);

bool saveJpeg(const QImage& img, const QString& path);
bool saveBmp24(const QImage& img, const QString& path);
bool savePng(const QImage& img, const QString& path);

} // namespace art
