#include "tools/artgen/icons.h"

#include "tools/artgen/paintkit.h"

#include <QPainter>

namespace art {

namespace {

QImage blankIcon() {
    QImage img(16, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// Access point: a small case with an antenna on the left and its waves; the top right stays free for
// the padlock of the secured variant.
void drawAccessPoint(QPainter& p) {
    p.setPen(QPen(QColor(0x3a, 0x44, 0x52), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 9), QPointF(3.5, 4));
    drawWaves(p, QPointF(3.5, 4.5), 2.4, 2.5, 2, QColor(0x2a, 0x74, 0xcc), 1.2, 110);
    QLinearGradient g(0, 8.5, 0, 14.5);
    g.setColorAt(0, QColor(0xf6, 0xf8, 0xfb));
    g.setColorAt(1, QColor(0xbf, 0xcb, 0xd8));
    p.setPen(QPen(QColor(0x45, 0x55, 0x69), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 8.5, 15, 6), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0xc0, 0x4f));
    p.drawEllipse(QPointF(9.5, 11.5), 1.1, 1.1);
    p.setBrush(QColor(0x2f, 0x8b, 0xf0));
    p.drawEllipse(QPointF(12.5, 11.5), 1.1, 1.1);
}

// Plug-in wireless adapter: a stick with a metal connector and waves from its body.
void drawAdapter(QPainter& p) {
    p.setPen(QPen(QColor(0x6d, 0x77, 0x83), 1));
    p.setBrush(QColor(0xd7, 0xdc, 0xe2));
    p.drawRect(QRectF(0.5, 9.5, 4, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6d, 0x77, 0x83));
    p.drawRect(QRectF(1.5, 10.5, 1, 1));
    p.drawRect(QRectF(1.5, 12, 1, 1));
    QLinearGradient g(0, 8, 0, 15);
    g.setColorAt(0, pal::BlueLight);
    g.setColorAt(1, pal::Navy);
    p.setPen(QPen(QColor(0x10, 0x2c, 0x4f), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(4.5, 8.5, 11, 6), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7d, 0xf0, 0x9b));
    p.drawEllipse(QPointF(13, 11.5), 0.9, 0.9);
    drawWaves(p, QPointF(7, 7.5), 2.3, 2.4, 2, QColor(0x2a, 0x74, 0xcc), 1.2, 110);
}

// Padlock in the top right corner, outlined in white so it reads over either base picture.
void drawPadlock(QPainter& p) {
    const QRectF body(9.5, 3.5, 6, 5);
    const QRectF shackle(10.6, 0.8, 3.8, 5.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3));
    p.drawArc(shackle, 0, 180 * 16);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(body.adjusted(-1, -1, 1, 1), 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6b, 0x52, 0x10), 1.3));
    p.drawArc(shackle, 0, 180 * 16);
    QLinearGradient g(0, body.top(), 0, body.bottom());
    g.setColorAt(0, QColor(0xff, 0xd5, 0x4f));
    g.setColorAt(1, QColor(0xd8, 0x95, 0x0c));
    p.setPen(QPen(QColor(0x7a, 0x55, 0x05), 1));
    p.setBrush(g);
    p.drawRoundedRect(body, 1, 1);
}

// Five bars of rising height; `lit` of them coloured, the rest as empty outlines.
void drawSignal(QPainter& p, int lit, const QColor& colour) {
    p.setRenderHint(QPainter::Antialiasing, false);
    const int heights[5] = {4, 6, 9, 12, 15};
    for (int i = 0; i < 5; ++i) {
        const int x = 1 + i * 3;
        const int hgt = heights[i];
        const QRect bar(x, 15 - hgt, 2, hgt);
        if (i < lit) {
            p.fillRect(bar, colour);
            p.fillRect(QRect(x, 15 - hgt, 1, hgt), colour.lighter(118));
        } else {
            p.fillRect(bar, QColor(0xb5, 0xbf, 0xcb, 200));
        }
    }
    // A common baseline keeps the steps comparable at a glance.
    p.fillRect(QRect(1, 15, 14, 1), QColor(0x8a, 0x96, 0xa4));
}

} // namespace

QImage surveyTypeIcon(int index) {
    QImage img = blankIcon();
    QPainter p;
    beginPainter(p, img);
    switch (index) {
    case 0:
        drawAccessPoint(p);
        break;
    case 1:
        drawAdapter(p);
        break;
    case 2:
        drawAccessPoint(p);
        drawPadlock(p);
        break;
    case 3:
        drawAdapter(p);
        drawPadlock(p);
        break;
    case 4:
        drawSignal(p, 1, QColor(0xd9, 0x2b, 0x2b));
        break;
    case 5:
        drawSignal(p, 2, QColor(0xe8, 0xb0, 0x0c));
        break;
    case 6:
        drawSignal(p, 3, QColor(0xe8, 0xb0, 0x0c));
        break;
    case 7:
        drawSignal(p, 4, QColor(0x2a, 0x72, 0xd6));
        break;
    default:
        drawSignal(p, 5, QColor(0x1d, 0x5f, 0xc4));
        break;
    }
    p.end();
    return img;
}

QImage sortArrow(bool up) {
    // Pixel art keeps the tiny triangle crisp: 'o' dark frame, 'x' grey-blue fill, 'h' lighter fill.
    static const char* const rows[10] = {
        "..........", "..........", "....oo....", "...ohxo...", "..ohxxxo..",
        ".ohxxxxxo.", ".oooooooo.", "..........", "..........", "..........",
    };
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(QColor(0xf0, 0xf0, 0xf0));
    for (int y = 0; y < 10; ++y) {
        const char* row = rows[up ? y : 9 - y];
        for (int x = 0; x < 10; ++x) {
            switch (row[x]) {
            case 'o':
                img.setPixelColor(x, y, QColor(0x33, 0x44, 0x58));
                break;
            case 'x':
                img.setPixelColor(x, y, QColor(0x6a, 0x88, 0xab));
                break;
            case 'h':
                img.setPixelColor(x, y, QColor(0x93, 0xad, 0xcb));
                break;
            default:
                break;
            }
        }
    }
    return img;
}

} // namespace art
