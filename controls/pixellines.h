// Pixel-exact strokes for the owner-painted buttons: a stroke includes its start point and stops one pixel
// short of its end point, so the outlines land on the same pixels as the drawing rules name them.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <initializer_list>

// Joined strokes through `points`; only horizontal and vertical strokes are used by the buttons.
void PolylineExclusive(QPainter& painter, const QColor& color, std::initializer_list<QPoint> points);

// A rectangle covering r's pixels: outline in `pen`, inside filled with `fill` unless it is invalid.
void RectangleWithBorder(QPainter& painter, const QRect& r, const QColor& pen, const QColor& fill = QColor());

// A 3D frame one pixel wide (top and left `topLeft`, bottom and right `bottomRight`); shrinks r by 1.
void Frame3D(QPainter& painter, QRect& r, const QColor& topLeft, const QColor& bottomRight);
