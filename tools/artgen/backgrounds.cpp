#include "tools/artgen/backgrounds.h"

#include "tools/artgen/paintkit.h"
#include "tools/artgen/scenery.h"

#include <QPainter>
#include <QPainterPath>

namespace art {

namespace {

const QString kProductName = QStringLiteral("Wireless Setup Wizard");

// Deep blue field used by the wizard header and the start menu's left panel.
void paintBlueField(QPainter& p, const QRectF& area, QPointF waveCentre) {
    QLinearGradient g(area.topLeft(), area.bottomRight());
    g.setColorAt(0, QColor(0x0f, 0x2c, 0x52));
    g.setColorAt(0.55, QColor(0x18, 0x4a, 0x85));
    g.setColorAt(1, QColor(0x23, 0x65, 0xad));
    p.fillRect(area, g);
    // Large faint rings suggest radio waves without competing with the content.
    p.save();
    p.setClipRect(area);
    for (int i = 0; i < 9; ++i) {
        const qreal r = 60 + i * 46;
        p.setPen(QPen(QColor(255, 255, 255, 22 - i * 2), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(waveCentre, r, r);
    }
    p.restore();
}

void paintWindowFrame(QPainter& p, int w, int h) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(pal::Frame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
    p.restore();
}

} // namespace

QImage wizardBackground() {
    constexpr int w = 600, h = 450;
    QImage img = canvas(w, h, pal::Paper);
    QPainter p;
    beginPainter(p, img);

    // Header band.
    const QRectF header(0, 0, w, 105);
    paintBlueField(p, header, QPointF(540, 150));
    QLinearGradient accent(0, 0, w, 0);
    accent.setColorAt(0, QColor(0x5f, 0xb0, 0xf5));
    accent.setColorAt(0.7, QColor(0x7d, 0xc3, 0xf7));
    accent.setColorAt(1, QColor(0x3d, 0x86, 0xd4));
    p.fillRect(QRectF(0, 102, w, 3), accent);

    drawProductMark(p, QRectF(26, 27, 46, 46));
    drawLabel(p, QRectF(86, 24, 420, 30), Qt::AlignLeft | Qt::AlignVCenter, kProductName, 24, true,
              Qt::white);
    drawLabel(p, QRectF(87, 55, 420, 20), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Step-by-step set-up of your wireless device"), 13, false,
              QColor(0xb9, 0xd5, 0xf2));

    // Page area stays plain: pages cover it with their own background.
    p.fillRect(QRectF(0, 105, w, 323), pal::Paper);

    // Footer strip under the pages.
    QLinearGradient foot(0, 428, 0, h);
    foot.setColorAt(0, QColor(0xe6, 0xec, 0xf3));
    foot.setColorAt(1, QColor(0xd6, 0xdf, 0xea));
    p.fillRect(QRectF(0, 428, w, h - 428), foot);
    p.setPen(pal::Line);
    p.drawLine(QPointF(0, 428.5), QPointF(w, 428.5));
    drawLabel(p, QRectF(14, 429, w - 28, h - 429), Qt::AlignRight | Qt::AlignVCenter, kProductName, 11, false,
              QColor(0x8a, 0x99, 0xab));

    paintWindowFrame(p, w, h);
    p.end();
    return img;
}

QImage pageBackground() {
    constexpr int w = 600, h = 323;
    QImage img = canvas(w, h, Qt::white);
    QPainter p;
    beginPainter(p, img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(0xff, 0xff, 0xff));
    g.setColorAt(0.8, QColor(0xf6, 0xf8, 0xfb));
    g.setColorAt(1, QColor(0xee, 0xf2, 0xf7));
    p.fillRect(img.rect(), g);
    // A faint rule above the button row; it fades out at both ends.
    QLinearGradient rule(16, 0, w - 16, 0);
    rule.setColorAt(0, QColor(0xd3, 0xdc, 0xe7, 0));
    rule.setColorAt(0.15, QColor(0xd3, 0xdc, 0xe7));
    rule.setColorAt(0.85, QColor(0xd3, 0xdc, 0xe7));
    rule.setColorAt(1, QColor(0xd3, 0xdc, 0xe7, 0));
    p.fillRect(QRectF(16, 279, w - 32, 1), rule);
    p.fillRect(QRectF(16, 280, w - 32, 1), QColor(255, 255, 255, 200));
    p.end();
    return img;
}

QImage progressBackground() {
    constexpr int w = 190, h = 50;
    QImage img = canvas(w, h, Qt::white);
    QPainter p;
    beginPainter(p, img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(0xff, 0xff, 0xff));
    g.setColorAt(1, QColor(0xec, 0xf1, 0xf7));
    p.fillRect(img.rect(), g);
    QLinearGradient accent(0, 0, w, 0);
    accent.setColorAt(0, pal::Blue);
    accent.setColorAt(1, pal::BlueLight);
    p.fillRect(QRectF(0, 0, w, 3), accent);
    paintWindowFrame(p, w, h);
    p.end();
    return img;
}

QImage startMenuBackground() {
    constexpr int w = 600, h = 450;
    constexpr qreal split = 326;
    QImage img = canvas(w, h, pal::Paper);
    QPainter p;
    beginPainter(p, img);

    // Right side: light, plain where the buttons sit.
    QLinearGradient right(split, 0, split, h);
    right.setColorAt(0, QColor(0xfa, 0xfc, 0xfe));
    right.setColorAt(1, QColor(0xee, 0xf2, 0xf7));
    p.fillRect(QRectF(split, 0, w - split, h), right);

    drawLabel(p, QRectF(356, 34, 220, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Welcome"), 19,
              true, pal::Ink);
    drawLabel(p, QRectF(357, 60, 220, 18), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Choose an option to begin."), 12, false, pal::Slate);

    // Left panel: title and the device.
    const QRectF left(0, 0, split, h);
    const QRectF deviceBody(78, 262, 176, 58);
    paintBlueField(p, left, QPointF(deviceBody.center().x(), deviceBody.top() - 30));
    // Gentle light column behind the device.
    QRadialGradient halo(QPointF(deviceBody.center().x(), deviceBody.center().y() - 10), 150);
    halo.setColorAt(0, QColor(0x6f, 0xb4, 0xf5, 90));
    halo.setColorAt(1, QColor(0x6f, 0xb4, 0xf5, 0));
    p.fillRect(left, halo);

    drawProductMark(p, QRectF(32, 38, 40, 40));
    drawLabel(p, QRectF(84, 34, 240, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Wireless"), 22,
              true, Qt::white);
    drawLabel(p, QRectF(84, 58, 240, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Setup Wizard"),
              22, true, Qt::white);
    drawLabel(p, QRectF(33, 100, 270, 36), Qt::AlignLeft | Qt::TextWordWrap,
              QStringLiteral("Connect, configure and secure your wireless device in a few simple steps."), 12,
              false, QColor(0xb9, 0xd5, 0xf2));

    // Radio waves from the antennas.
    for (int side = -1; side <= 1; side += 2) {
        const QPointF tipArea(deviceBody.center().x() + side * deviceBody.width() * 0.36 + side * 8,
                              deviceBody.top() - 74);
        drawWaves(p, tipArea, 14, 12, 3, QColor(255, 255, 255, 110), 2.2, 70);
    }
    drawDevice(p, deviceBody, true, true);

    drawLabel(p, QRectF(32, h - 40, 270, 20), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Access point and wireless bridge"), 11, false, QColor(0xa9, 0xc8, 0xea));

    // Thin divider between the panels.
    p.fillRect(QRectF(split, 0, 1, h), QColor(0x0c, 0x24, 0x44, 90));
    paintWindowFrame(p, w, h);
    p.end();
    return img;
}

} // namespace art
