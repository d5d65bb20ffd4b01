#include "tools/artgen/buttons.h"

#include "tools/artgen/paintkit.h"

#include <QPainter>
#include <QtMath>

namespace art {

namespace {

struct FaceLook {
    QColor top, bottom, border, shine;
};

// Paints a rounded face filling the whole image; the image background is the border colour so that the
// antialiased rim never mixes with anything but the button itself.
QImage roundedFace(int w, int h, qreal radius, const FaceLook& look) {
    QImage img = canvas(w, h, look.border);
    QPainter p;
    beginPainter(p, img);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    const QRectF body(0.5, 0.5, w - 1.0, h - 1.0);
    p.setPen(QPen(look.border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(body, radius - 0.5, radius - 0.5);
    // A one-pixel inner light line along the top gives the face a little depth.
    if (look.shine.alpha() > 0) {
        p.setPen(QPen(look.shine, 1));
        p.drawLine(QPointF(radius, 1.5), QPointF(w - radius, 1.5));
    }
    p.end();
    return img;
}

void drawGlyph(QPainter& p, const QRectF& box, MenuGlyph glyph, const QColor& ink) {
    p.save();
    const QPointF c = box.center();
    const qreal s = box.width();
    QPen pen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case MenuGlyph::Wizard: {
        // Wireless arcs over a dot: setting up the wireless device.
        const QPointF base(c.x(), c.y() + s * 0.26);
        drawWaves(p, base, s * 0.22, s * 0.17, 2, ink, 1.7, 96);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(base, 1.8, 1.8);
        break;
    }
    case MenuGlyph::Guide: {
        // An open book.
        const qreal w = s * 0.30, h = s * 0.42;
        QPainterPath left, right;
        left.moveTo(c.x(), c.y() - h / 2 + 1.5);
        left.quadTo(c.x() - w * 0.5, c.y() - h / 2 - 1, c.x() - w, c.y() - h / 2 + 0.5);
        left.lineTo(c.x() - w, c.y() + h / 2);
        left.quadTo(c.x() - w * 0.5, c.y() + h / 2 - 1.5, c.x(), c.y() + h / 2 + 1);
        left.closeSubpath();
        right.moveTo(c.x(), c.y() - h / 2 + 1.5);
        right.quadTo(c.x() + w * 0.5, c.y() - h / 2 - 1, c.x() + w, c.y() - h / 2 + 0.5);
        right.lineTo(c.x() + w, c.y() + h / 2);
        right.quadTo(c.x() + w * 0.5, c.y() + h / 2 - 1.5, c.x(), c.y() + h / 2 + 1);
        right.closeSubpath();
        p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(left);
        p.drawPath(right);
        break;
    }
    case MenuGlyph::Register: {
        // A sheet with a tick.
        const QRectF sheet(c.x() - s * 0.22, c.y() - s * 0.28, s * 0.44, s * 0.56);
        p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawRoundedRect(sheet, 1.5, 1.5);
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(sheet.left() + sheet.width() * 0.22, sheet.center().y() + 0.5);
        tick.lineTo(sheet.left() + sheet.width() * 0.45, sheet.center().y() + sheet.height() * 0.2);
        tick.lineTo(sheet.right() - sheet.width() * 0.18, sheet.top() + sheet.height() * 0.3);
        p.drawPath(tick);
        break;
    }
    case MenuGlyph::Exit: {
        // The power symbol.
        const qreal r = s * 0.26;
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - r, c.y() - r + 1, 2 * r, 2 * r), 55 * 16, -290 * 16);
        p.drawLine(QPointF(c.x(), c.y() - r - 0.5), QPointF(c.x(), c.y() + 0.5));
        break;
    }
    }
    p.restore();
}

QRectF menuDisc(int h) {
    const qreal d = h - 10.0;
    return QRectF(8, (h - d) / 2, d, d);
}

// Room for the caption between the glyph disc and the chevron, with a margin before the chevron.
QRectF menuCaptionBox(int w, int h) {
    const QRectF disc = menuDisc(h);
    return QRectF(disc.right() + 9, 0, w - disc.right() - 36, h);
}

} // namespace

int menuCaptionSize(const QStringList& captions, int width, int height) {
    const qreal room = menuCaptionBox(width, height).width();
    int size = 13;
    for (const QString& c : captions) {
        while (size > 10 && labelWidth(c, size, true) > room)
            --size;
    }
    return size;
}

QImage pageButtonFace(FaceState state) {
    constexpr int w = 85, h = 21;
    constexpr qreal radius = 4.5;
    FaceLook look;
    switch (state) {
    case FaceState::Normal:
        look = {QColor(0xff, 0xff, 0xff), QColor(0xdf, 0xe7, 0xf1), QColor(0x8b, 0xa0, 0xba),
                QColor(255, 255, 255, 200)};
        break;
    case FaceState::Hover:
        look = {QColor(0xf7, 0xfb, 0xff), QColor(0xc9, 0xdf, 0xf7), QColor(0x3f, 0x7f, 0xc8),
                QColor(255, 255, 255, 230)};
        break;
    case FaceState::Pressed:
        look = {QColor(0xb9, 0xd0, 0xec), QColor(0xdc, 0xe8, 0xf6), QColor(0x2c, 0x5c, 0x96),
                QColor(0, 0, 0, 0)};
        break;
    }
    QImage face = roundedFace(w, h, radius, look);
    if (state == FaceState::Pressed) {
        // Inner shadow along the top edge reads as "pushed in".
        QPainter p;
        beginPainter(p, face);
        p.setPen(QPen(QColor(0x2c, 0x5c, 0x96, 70), 1));
        p.drawLine(QPointF(radius, 1.5), QPointF(w - radius, 1.5));
        p.end();
    }
    return keyOutside(face, faceShape(w, h, radius));
}

QImage menuButtonFace(int w, int h, const QString& caption, MenuGlyph glyph, bool lit, int captionPx) {
    constexpr qreal radius = 7;
    const FaceLook look = lit ? FaceLook{QColor(0x4a, 0x95, 0xe2), QColor(0x1f, 0x5e, 0xa8),
                                         QColor(0x1a, 0x4d, 0x8a), QColor(255, 255, 255, 90)}
                              : FaceLook{QColor(0xff, 0xff, 0xff), QColor(0xe9, 0xef, 0xf6),
                                         QColor(0xb0, 0xc1, 0xd6), QColor(255, 255, 255, 255)};
    QImage face = roundedFace(w, h, radius, look);
    QPainter p;
    beginPainter(p, face);

    // Glyph disc on the left.
    const QRectF disc = menuDisc(h);
    p.setPen(Qt::NoPen);
    if (lit) {
        p.setBrush(QColor(255, 255, 255, 235));
    } else {
        QLinearGradient g(disc.topLeft(), disc.bottomLeft());
        g.setColorAt(0, pal::BlueLight);
        g.setColorAt(1, pal::Blue);
        p.setBrush(g);
    }
    p.drawEllipse(disc);
    drawGlyph(p, disc, glyph, lit ? pal::Blue : QColor(Qt::white));

    // Caption.
    drawLabel(p, menuCaptionBox(w, h), Qt::AlignLeft | Qt::AlignVCenter, caption, captionPx, true,
              lit ? QColor(Qt::white) : pal::Ink);

    // Chevron on the right.
    const QPointF tip(w - 13, h / 2.0);
    p.setPen(QPen(lit ? QColor(Qt::white) : QColor(0x8f, 0xa6, 0xc2), 1.8, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath chevron;
    chevron.moveTo(tip + QPointF(-3.5, -4.5));
    chevron.lineTo(tip);
    chevron.lineTo(tip + QPointF(-3.5, 4.5));
    p.drawPath(chevron);
    p.end();
    return keyOutside(face, faceShape(w, h, radius));
}

QImage subButtonFace(int w, int h, int textHeight, const QString& caption, bool lit) {
    QImage img = canvas(w, h, lit ? QColor(0xd6, 0xe7, 0xf9) : QColor(0xea, 0xf1, 0xf8));
    QPainter p;
    beginPainter(p, img);
    // Accent bar on the left edge ties the two items to the documentation button above them.
    p.fillRect(QRectF(0, 0, 3, h), lit ? pal::BlueLight : QColor(0xb8, 0xcc, 0xe3));
    p.setPen(QPen(QColor(lit ? 0xb4 : 0xd8, lit ? 0xcf : 0xe2, lit ? 0xee : 0xee), 1));
    p.drawLine(QPointF(3, h - 0.5), QPointF(w, h - 0.5));

    const qreal mid = textHeight / 2.0;
    p.setPen(
        QPen(lit ? pal::Blue : QColor(0x7d, 0x95, 0xb3), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath chevron;
    chevron.moveTo(20, mid - 3.5);
    chevron.lineTo(23.5, mid);
    chevron.lineTo(20, mid + 3.5);
    p.drawPath(chevron);

    drawLabel(p, QRectF(32, 0, w - 36, textHeight), Qt::AlignLeft | Qt::AlignVCenter, caption, 12, false,
              lit ? pal::Navy : pal::Ink);
    p.end();
    return img;
}

} // namespace art
