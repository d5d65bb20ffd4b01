#include "controls/pixellines.h"

#include <cstdlib>

namespace {

void Stroke(QPainter& painter, const QColor& color, QPoint from, QPoint to) {
    if (from == to) return;
    if (from.y() == to.y()) {
        const int left = from.x() < to.x() ? from.x() : to.x() + 1;
        painter.fillRect(QRect(left, from.y(), std::abs(to.x() - from.x()), 1), color);
    } else if (from.x() == to.x()) {
        const int top = from.y() < to.y() ? from.y() : to.y() + 1;
        painter.fillRect(QRect(from.x(), top, 1, std::abs(to.y() - from.y())), color);
    } else {
        painter.save();
        painter.setPen(QPen(color, 0));
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawLine(from, to);
        painter.restore();
    }
}

} // namespace

void PolylineExclusive(QPainter& painter, const QColor& color, std::initializer_list<QPoint> points) {
    const QPoint* prev = nullptr;
    for (const QPoint& p : points) {
        if (prev) Stroke(painter, color, *prev, p);
        prev = &p;
    }
}

void RectangleWithBorder(QPainter& painter, const QRect& r, const QColor& pen, const QColor& fill) {
    if (r.width() <= 0 || r.height() <= 0) return;
    if (fill.isValid()) painter.fillRect(r, fill);
    const int x0 = r.left(), y0 = r.top(), x1 = r.left() + r.width() - 1, y1 = r.top() + r.height() - 1;
    PolylineExclusive(painter, pen,
                      {QPoint(x0, y0), QPoint(x1, y0), QPoint(x1, y1), QPoint(x0, y1), QPoint(x0, y0)});
    if (r.width() == 1 || r.height() == 1) painter.fillRect(r, pen);
}

void Frame3D(QPainter& painter, QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    const int left = r.left(), top = r.top();
    const int right = r.left() + r.width() - 1, bottom = r.top() + r.height() - 1;
    PolylineExclusive(painter, topLeft, {QPoint(left, bottom), QPoint(left, top), QPoint(right, top)});
    PolylineExclusive(painter, bottomRight,
                      {QPoint(right, top), QPoint(right, bottom), QPoint(left - 1, bottom)});
    r.adjust(1, 1, -1, -1);
}
