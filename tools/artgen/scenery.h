// Drawings of the hardware shown on the start menu and the tutorial pictures.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace art {

// Rounded square with the wireless arcs: the product mark.
void drawProductMark(QPainter& p, const QRectF& box);

// The wireless device: a slim white case with two antennas and three LEDs (power, wireless, LAN).
// `body` is the case; the antennas rise above it.
void drawDevice(QPainter& p, const QRectF& body, bool powerLit, bool allLit);
// Centre of LED `index` (0 power, 1 wireless, 2 LAN) of a device drawn in `body`.
QPointF deviceLed(const QRectF& body, int index);

// Router seen from the back: DC jack, WAN port and four numbered LAN ports.
void drawRouter(QPainter& p, const QRectF& body);
// Centre of the opening of LAN port `number` (1..4) of a router drawn in `body`; 0 is the WAN port.
QRectF routerPort(const QRectF& body, int number);

// Desktop computer: monitor and tower; `tower` is the tower case.
void drawComputer(QPainter& p, const QRectF& monitor, const QRectF& tower);

// Network plug seated in a port opening, cable leaving downward.
void drawPlugInPort(QPainter& p, const QRectF& port, const QColor& boot);

// Cable along a cubic curve with a darker rim.
void drawCable(QPainter& p, QPointF from, QPointF c1, QPointF c2, QPointF to, const QColor& colour,
               qreal width);

// Double wall socket, outlets side by side; `plate` is the plate.
void drawWallSocket(QPainter& p, const QRectF& plate);
// Centre of outlet 0 (left) or 1 (right) of that plate.
QPointF wallOutlet(const QRectF& plate, int index);
// Plug-in power adapter; its cable leaves from the bottom centre.
void drawPowerAdapter(QPainter& p, const QRectF& brick);

// Label with a thin leader line from `anchor` to `labelPoint`; the text starts there on the given side:
// AlignLeft puts it to the right of the point, AlignRight to its left, AlignBottom centred below it,
// anything else centred above it.
void drawCallout(QPainter& p, QPointF anchor, QPointF labelPoint, const QString& text, Qt::Alignment side);

} // namespace art
