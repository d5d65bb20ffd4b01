#include "tools/artgen/tutorials.h"

#include "tools/artgen/paintkit.h"
#include "tools/artgen/scenery.h"

#include <QPainter>

namespace art {

namespace {

// White card with a hairline border, a numbered title and a caption band at the bottom.
void paintCard(QPainter& p, const QImage& img, int step, const QString& title, const QString& caption,
               qreal captionTop) {
    const QRectF all(0, 0, img.width(), img.height());
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, QColor(0xff, 0xff, 0xff));
    g.setColorAt(1, QColor(0xf3, 0xf6, 0xfa));
    p.fillRect(all, g);
    p.fillRect(QRectF(0, captionTop, img.width(), img.height() - captionTop), QColor(0xec, 0xf1, 0xf7));
    p.fillRect(QRectF(0, captionTop, img.width(), 1), QColor(0xd9, 0xe1, 0xea));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0xc9, 0xd4, 0xe1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, img.width() - 1, img.height() - 1);
    p.restore();

    drawStepBadge(p, QPointF(26, 24), step);
    drawLabel(p, QRectF(45, 12, img.width() - 60, 24), Qt::AlignLeft | Qt::AlignVCenter, title, 16, true,
              pal::Navy);
    drawLabel(p, QRectF(16, captionTop + 2, img.width() - 32, img.height() - captionTop - 4),
              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption, 12, false, pal::Slate);
}

} // namespace

QImage cablingTutorial() {
    constexpr int w = 516, h = 270;
    QImage img = canvas(w, h, Qt::white);
    QPainter p;
    beginPainter(p, img);
    paintCard(
        p, img, 1, QStringLiteral("Connect the device to your router"),
        QStringLiteral("Plug one end of an Ethernet cable into a free LAN port (1-4) of your router and the "
                       "other end into the LAN port of the wireless device."),
        226);

    const QRectF router(176, 112, 196, 56);
    const QRectF monitor(16, 84, 82, 58);
    const QRectF tower(106, 94, 30, 66);
    const QRectF device(404, 142, 100, 36);

    // Cables first, so the cases sit on top of them.
    const QRectF lan1 = routerPort(router, 1);
    const QRectF lan4 = routerPort(router, 4);
    const QPointF pcEnd(tower.right() - 2, tower.bottom() - 20);
    const QPointF devJack(device.left() - 8, device.bottom() - 11);
    drawCable(p, QPointF(lan1.center().x(), lan1.bottom() + 10), QPointF(lan1.center().x(), 205),
              QPointF(pcEnd.x() + 60, pcEnd.y() + 36), pcEnd + QPointF(8, 0), QColor(0x9a, 0xa6, 0xb4), 3.5);
    drawCable(p, QPointF(lan4.center().x(), lan4.bottom() + 10), QPointF(lan4.center().x(), 210),
              QPointF(devJack.x() - 36, devJack.y() + 26), devJack, QColor(0x2f, 0x7b, 0xd6), 4.5);

    drawComputer(p, monitor, tower);
    drawRouter(p, router);
    drawPlugInPort(p, lan1, QColor(0xa9, 0xb4, 0xc1));
    drawPlugInPort(p, lan4, QColor(0x3d, 0x8b, 0xe0));
    drawDevice(p, device, true, true);
    // The device's plug, seated in its LAN port on the left side.
    p.setPen(QPen(QColor(0x1a, 0x4d, 0x8a), 1));
    p.setBrush(QColor(0x3d, 0x8b, 0xe0));
    p.drawRoundedRect(QRectF(devJack.x() - 1, devJack.y() - 4.5, 11, 9), 2, 2);

    // Names: the router's between its antennas, the others under the hardware.
    drawLabel(p, QRectF(router.left() + 30, router.top() - 34, router.width() - 60, 16), Qt::AlignCenter,
              QStringLiteral("Router (back)"), 12, true, pal::Ink);
    drawLabel(p, QRectF(10, tower.bottom() + 12, 140, 16), Qt::AlignCenter, QStringLiteral("Computer"), 12,
              true, pal::Ink);
    drawLabel(p, QRectF(device.left() - 14, device.bottom() + 10, device.width() + 24, 16), Qt::AlignCenter,
              QStringLiteral("Wireless device"), 12, true, pal::Ink);
    drawLabel(p, QRectF(lan4.center().x() - 40, 205, 110, 16), Qt::AlignCenter,
              QStringLiteral("Ethernet cable"), 12, true, QColor(0x1f, 0x5e, 0xa8));
    p.end();
    return img;
}

QImage powerTutorial() {
    constexpr int w = 553, h = 240;
    QImage img = canvas(w, h, Qt::white);
    QPainter p;
    beginPainter(p, img);
    paintCard(
        p, img, 2, QStringLiteral("Connect the power adapter"),
        QStringLiteral("Plug the adapter's cable into the power jack of the device, then plug the adapter "
                       "into a wall socket. The Power LED lights up."),
        196);

    // A strip of wall on the right carries the socket.
    const QRectF wall(394, 44, 146, 144);
    QLinearGradient wg(wall.topLeft(), wall.topRight());
    wg.setColorAt(0, QColor(0xe9, 0xee, 0xf3));
    wg.setColorAt(1, QColor(0xdf, 0xe5, 0xec));
    p.setPen(Qt::NoPen);
    p.setBrush(wg);
    p.drawRoundedRect(wall, 6, 6);

    const QRectF device(64, 118, 168, 48);
    const QRectF plate(405, 86, 124, 62);
    const QPointF outlet = wallOutlet(plate, 0);
    const QRectF brick(outlet.x() - 24, outlet.y() - 30, 48, 56);
    const QPointF jack(device.right() + 6, device.bottom() - 14);
    drawCable(p, QPointF(brick.center().x(), brick.bottom() + 7), QPointF(brick.center().x(), 196),
              QPointF(jack.x() + 90, jack.y() + 36), jack + QPointF(6, 0), QColor(0x3a, 0x42, 0x4d), 3.2);
    drawWallSocket(p, plate);
    drawPowerAdapter(p, brick);
    drawDevice(p, device, true, false);
    // Barrel plug in the power jack on the right side of the case.
    p.setPen(QPen(QColor(0x18, 0x1c, 0x22), 1));
    p.setBrush(QColor(0x2b, 0x31, 0x3a));
    p.drawRoundedRect(QRectF(jack.x() - 4, jack.y() - 4, 14, 8), 2, 2);
    p.setBrush(QColor(0xb4, 0xbc, 0xc6));
    p.drawRect(QRectF(jack.x() - 7, jack.y() - 2, 4, 4));

    const QPointF led = deviceLed(device, 0);
    drawCallout(p, led + QPointF(0, -5), QPointF(250, 78), QStringLiteral("Power LED lights up"),
                Qt::AlignLeft);
    drawCallout(p, jack + QPointF(2, -5), QPointF(250, 124), QStringLiteral("Power jack"), Qt::AlignLeft);
    drawCallout(p, QPointF(brick.center().x(), brick.top() + 4), QPointF(brick.center().x(), brick.top() - 6),
                QStringLiteral("Power adapter"), Qt::AlignHCenter);
    const QPointF spare = wallOutlet(plate, 1);
    drawCallout(p, spare + QPointF(0, 14), QPointF(spare.x(), plate.bottom() + 26),
                QStringLiteral("Wall socket"), Qt::AlignBottom);

    drawLabel(p, QRectF(device.left(), device.bottom() + 8, device.width(), 16), Qt::AlignCenter,
              QStringLiteral("Wireless device"), 12, true, pal::Ink);
    p.end();
    return img;
}

} // namespace art
