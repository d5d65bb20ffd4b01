#include "tools/artgen/scenery.h"

#include "tools/artgen/paintkit.h"

#include <QPainter>
#include <QPainterPath>

namespace art {

namespace {

QRectF deviceFront(const QRectF& body) {
    const qreal topDepth = body.height() * 0.32;
    return QRectF(body.left(), body.top() + topDepth, body.width(), body.height() - topDepth);
}

qreal ledRadius(const QRectF& front) {
    return qMax(1.6, front.height() * 0.065);
}

} // namespace

QPointF deviceLed(const QRectF& body, int index) {
    const QRectF front = deviceFront(body);
    const qreal r = ledRadius(front);
    return QPointF(front.right() - front.height() * 0.45 - (2 - index) * r * 4.2,
                   front.top() + front.height() * 0.4);
}

void drawProductMark(QPainter& p, const QRectF& box) {
    p.save();
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, QColor(0x5c, 0xa8, 0xf0));
    g.setColorAt(1, QColor(0x26, 0x6d, 0xc0));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(g);
    const qreal r = box.width() * 0.24;
    p.drawRoundedRect(box, r, r);
    const QPointF base(box.center().x(), box.bottom() - box.height() * 0.24);
    const qreal s = box.width();
    drawWaves(p, base, s * 0.2, s * 0.16, 3, Qt::white, s * 0.075, 92);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(base, s * 0.065, s * 0.065);
    p.restore();
}

void drawDevice(QPainter& p, const QRectF& body, bool powerLit, bool allLit) {
    p.save();
    const qreal w = body.width(), h = body.height();
    const QRectF front = deviceFront(body);
    const qreal topDepth = front.top() - body.top();

    // Soft floor shadow.
    QRadialGradient shadow(QPointF(body.center().x(), body.bottom() + 2), w * 0.6);
    shadow.setColorAt(0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.save();
    p.translate(body.center().x(), body.bottom() + 2);
    p.scale(1.0, 0.12);
    p.drawEllipse(QPointF(0, 0), w * 0.62, w * 0.62);
    p.restore();

    // Antennas stand at the back, behind the top surface.
    const qreal antH = h * 1.55;
    for (int side = -1; side <= 1; side += 2) {
        const qreal x = body.center().x() + side * w * 0.36;
        const QPointF foot(x, body.top() + topDepth * 0.35);
        const QPointF tip(x + side * h * 0.12, foot.y() - antH);
        QLinearGradient ag(foot.x() - 3, 0, foot.x() + 3, 0);
        ag.setColorAt(0, QColor(0x3a, 0x43, 0x4f));
        ag.setColorAt(0.5, QColor(0x6b, 0x76, 0x85));
        ag.setColorAt(1, QColor(0x2c, 0x33, 0x3d));
        p.setPen(QPen(QBrush(ag), h * 0.13, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(foot, tip);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2c, 0x33, 0x3d));
        p.drawRoundedRect(QRectF(foot.x() - h * 0.12, foot.y() - 2, h * 0.24, h * 0.2), 2, 2);
    }

    // Top surface in perspective.
    QPainterPath top;
    const qreal inset = w * 0.05;
    top.moveTo(body.left() + inset, body.top());
    top.lineTo(body.right() - inset, body.top());
    top.lineTo(body.right(), front.top());
    top.lineTo(body.left(), front.top());
    top.closeSubpath();
    QLinearGradient tg(0, body.top(), 0, front.top());
    tg.setColorAt(0, QColor(0xe4, 0xea, 0xf1));
    tg.setColorAt(1, QColor(0xfb, 0xfc, 0xfe));
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xb9), 1));
    p.setBrush(tg);
    p.drawPath(top);

    // Front face.
    QLinearGradient fg(0, front.top(), 0, front.bottom());
    fg.setColorAt(0, QColor(0xff, 0xff, 0xff));
    fg.setColorAt(1, QColor(0xd5, 0xdd, 0xe7));
    QPainterPath face;
    face.addRoundedRect(front, 3, 3);
    p.setBrush(fg);
    p.drawPath(face);
    // Dark trim along the bottom.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x35, 0x3f, 0x4c));
    p.drawRoundedRect(
        QRectF(front.left() + 1, front.bottom() - front.height() * 0.2, w - 2, front.height() * 0.2 - 0.5), 2,
        2);

    // Small product mark on the front.
    const qreal markSize = front.height() * 0.42;
    const QPointF markBase(front.left() + front.height() * 0.55, front.top() + front.height() * 0.58);
    drawWaves(p, markBase, markSize * 0.35, markSize * 0.3, 2, pal::Blue, qMax(1.2, markSize * 0.12), 92);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::Blue);
    p.drawEllipse(markBase, markSize * 0.1, markSize * 0.1);

    // LEDs: power (green), wireless (blue), LAN (amber).
    const QColor ledOn[3] = {QColor(0x3c, 0xd0, 0x5a), QColor(0x3d, 0x9b, 0xff), QColor(0xff, 0xb0, 0x2e)};
    const qreal ledR = ledRadius(front);
    for (int i = 0; i < 3; ++i) {
        const QPointF c = deviceLed(body, i);
        const bool on = (i == 0 && powerLit) || allLit;
        if (on) {
            QRadialGradient glow(c, ledR * 3);
            QColor g0 = ledOn[i];
            g0.setAlpha(120);
            QColor g1 = ledOn[i];
            g1.setAlpha(0);
            glow.setColorAt(0, g0);
            glow.setColorAt(1, g1);
            p.setBrush(glow);
            p.drawEllipse(c, ledR * 3, ledR * 3);
            p.setBrush(ledOn[i].lighter(125));
        } else {
            p.setBrush(QColor(0xa9, 0xb3, 0xbf));
        }
        p.drawEllipse(c, ledR, ledR);
    }
    p.restore();
}

namespace {

constexpr qreal kPortW = 18, kPortH = 15;

qreal routerPortTop(const QRectF& body) {
    return body.top() + body.height() * 0.36;
}

} // namespace

QRectF routerPort(const QRectF& body, int number) {
    const qreal top = routerPortTop(body);
    if (number == 0) return QRectF(body.left() + 40, top, kPortW, kPortH);
    const qreal firstLan = body.left() + 72;
    return QRectF(firstLan + (number - 1) * (kPortW + 8), top, kPortW, kPortH);
}

void drawRouter(QPainter& p, const QRectF& body) {
    p.save();
    // Shadow.
    QRadialGradient shadow(QPointF(body.center().x(), body.bottom() + 3), body.width() * 0.6);
    shadow.setColorAt(0, QColor(0, 0, 0, 60));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.save();
    p.translate(body.center().x(), body.bottom() + 3);
    p.scale(1.0, 0.1);
    p.drawEllipse(QPointF(0, 0), body.width() * 0.6, body.width() * 0.6);
    p.restore();

    // Antennas.
    for (int side = -1; side <= 1; side += 2) {
        const qreal x = side < 0 ? body.left() + 14 : body.right() - 14;
        const QPointF foot(x, body.top() + 2);
        const QPointF tip(x + side * 6, body.top() - body.height() * 1.1);
        p.setPen(QPen(QColor(0x2a, 0x30, 0x39), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(foot, tip);
        p.setPen(QPen(QColor(0x5b, 0x65, 0x72), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(foot + QPointF(-1.2, -4), tip + QPointF(-1.2, 2));
    }

    // Case: lighter top edge, dark rear panel.
    QLinearGradient g(0, body.top(), 0, body.bottom());
    g.setColorAt(0, QColor(0x5d, 0x67, 0x74));
    g.setColorAt(0.12, QColor(0x47, 0x50, 0x5c));
    g.setColorAt(1, QColor(0x2b, 0x31, 0x3a));
    p.setPen(QPen(QColor(0x1f, 0x24, 0x2b), 1));
    p.setBrush(g);
    p.drawRoundedRect(body, 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.drawLine(QPointF(body.left() + 5, body.top() + 1.5), QPointF(body.right() - 5, body.top() + 1.5));

    // DC jack.
    const QPointF jack(body.left() + 22, routerPortTop(body) + kPortH / 2);
    p.setPen(QPen(QColor(0x14, 0x17, 0x1c), 1));
    p.setBrush(QColor(0x0e, 0x10, 0x13));
    p.drawEllipse(jack, 5.5, 5.5);
    p.setBrush(QColor(0x9a, 0xa3, 0xad));
    p.drawEllipse(jack, 1.6, 1.6);

    // Ports: WAN in blue, LAN in yellow.
    for (int n = 0; n <= 4; ++n) {
        const QRectF port = routerPort(body, n);
        const QColor rim = n == 0 ? QColor(0x3d, 0x8b, 0xe0) : QColor(0xf2, 0xc0, 0x2a);
        p.setPen(Qt::NoPen);
        p.setBrush(rim);
        p.drawRoundedRect(port.adjusted(-2, -2, 2, 2), 2, 2);
        p.setBrush(QColor(0x0b, 0x0d, 0x10));
        QPainterPath hole;
        hole.addRect(port.adjusted(0, 0, 0, -4));
        hole.addRect(QRectF(port.left() + 4, port.bottom() - 4.5, port.width() - 8, 4.5));
        hole.setFillRule(Qt::WindingFill);
        p.drawPath(hole.simplified());
        if (n > 0) {
            drawLabel(p, QRectF(port.left(), port.top() - 15, port.width(), 12), Qt::AlignCenter,
                      QString::number(n), 10, true, Qt::white);
        }
    }
    // Port group names under the ports.
    const qreal labelTop = routerPortTop(body) + kPortH + 4;
    const QColor grey(0xc8, 0xd0, 0xda), yellow(0xf2, 0xc0, 0x2a);
    drawLabel(p, QRectF(jack.x() - 12, labelTop, 24, 11), Qt::AlignCenter, QStringLiteral("DC"), 9, false,
              grey);
    const QRectF wan = routerPort(body, 0);
    drawLabel(p, QRectF(wan.left() - 6, labelTop, wan.width() + 12, 11), Qt::AlignCenter,
              QStringLiteral("WAN"), 9, false, grey);
    const QRectF lan1 = routerPort(body, 1), lan4 = routerPort(body, 4);
    drawLabel(p, QRectF(lan1.left(), labelTop, lan4.right() - lan1.left(), 11), Qt::AlignCenter,
              QStringLiteral("LAN"), 9, true, yellow);
    p.setPen(QPen(QColor(0xf2, 0xc0, 0x2a, 160), 1));
    const qreal ly = labelTop + 5.5;
    p.drawLine(QPointF(lan1.left(), ly), QPointF(lan1.center().x() + 10, ly));
    p.drawLine(QPointF(lan4.center().x() - 10, ly), QPointF(lan4.right(), ly));
    p.restore();
}

void drawComputer(QPainter& p, const QRectF& monitor, const QRectF& tower) {
    p.save();
    // Tower.
    QLinearGradient tg(tower.topLeft(), tower.topRight());
    tg.setColorAt(0, QColor(0xe9, 0xed, 0xf2));
    tg.setColorAt(1, QColor(0xc4, 0xcd, 0xd8));
    p.setPen(QPen(QColor(0x7f, 0x8c, 0x9c), 1));
    p.setBrush(tg);
    p.drawRoundedRect(tower, 3, 3);
    p.setPen(QPen(QColor(0x9d, 0xa8, 0xb5), 1));
    for (int i = 0; i < 2; ++i) {
        const qreal y = tower.top() + 10 + i * 6;
        p.drawLine(QPointF(tower.left() + 5, y), QPointF(tower.right() - 5, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3c, 0xd0, 0x5a));
    p.drawEllipse(QPointF(tower.center().x(), tower.bottom() - 10), 2, 2);

    // Monitor with stand.
    const QPointF neckTop(monitor.center().x(), monitor.bottom());
    p.setBrush(QColor(0x8e, 0x99, 0xa7));
    p.drawRect(QRectF(neckTop.x() - 4, neckTop.y(), 8, 12));
    p.drawRoundedRect(QRectF(neckTop.x() - 20, neckTop.y() + 11, 40, 5), 2, 2);
    p.setPen(QPen(QColor(0x2b, 0x31, 0x3a), 1));
    p.setBrush(QColor(0x3a, 0x41, 0x4b));
    p.drawRoundedRect(monitor, 4, 4);
    const QRectF screen = monitor.adjusted(4, 4, -4, -4);
    QLinearGradient sg(screen.topLeft(), screen.bottomRight());
    sg.setColorAt(0, QColor(0x4f, 0x9c, 0xec));
    sg.setColorAt(1, QColor(0x1c, 0x4f, 0x8f));
    p.setPen(Qt::NoPen);
    p.setBrush(sg);
    p.drawRect(screen);
    // A small wizard window on the screen.
    const QRectF win(screen.left() + screen.width() * 0.2, screen.top() + screen.height() * 0.22,
                     screen.width() * 0.6, screen.height() * 0.58);
    p.setBrush(QColor(0xf4, 0xf7, 0xfa));
    p.drawRect(win);
    p.setBrush(pal::Navy);
    p.drawRect(QRectF(win.left(), win.top(), win.width(), win.height() * 0.28));
    p.restore();
}

void drawPlugInPort(QPainter& p, const QRectF& port, const QColor& boot) {
    p.save();
    // Clear latch of the plug visible in the opening, boot below it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xdd, 0xe6, 0xef));
    p.drawRect(port.adjusted(1.5, 1.5, -1.5, -1));
    p.setBrush(QColor(0xc0, 0x9a, 0x2a));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(port.left() + 3.5 + i * 3, port.top() + 2, 1.2, 3));
    QLinearGradient bg(port.left(), 0, port.right(), 0);
    bg.setColorAt(0, boot.darker(125));
    bg.setColorAt(0.5, boot.lighter(115));
    bg.setColorAt(1, boot.darker(125));
    p.setBrush(bg);
    QPainterPath b;
    b.moveTo(port.left() + 1, port.bottom() - 3);
    b.lineTo(port.right() - 1, port.bottom() - 3);
    b.lineTo(port.right() - 4, port.bottom() + 11);
    b.lineTo(port.left() + 4, port.bottom() + 11);
    b.closeSubpath();
    p.drawPath(b);
    p.restore();
}

void drawCable(QPainter& p, QPointF from, QPointF c1, QPointF c2, QPointF to, const QColor& colour,
               qreal width) {
    p.save();
    QPainterPath path(from);
    path.cubicTo(c1, c2, to);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(140), width + 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(colour.lighter(135), qMax(1.0, width * 0.3), Qt::SolidLine, Qt::RoundCap));
    p.translate(-width * 0.18, -width * 0.18);
    p.drawPath(path);
    p.restore();
}

QPointF wallOutlet(const QRectF& plate, int index) {
    return QPointF(plate.left() + plate.width() * (index == 0 ? 0.27 : 0.73), plate.center().y());
}

void drawWallSocket(QPainter& p, const QRectF& plate) {
    p.save();
    p.setPen(QPen(QColor(0xb6, 0xbf, 0xca), 1));
    QLinearGradient g(plate.topLeft(), plate.bottomRight());
    g.setColorAt(0, QColor(0xff, 0xff, 0xff));
    g.setColorAt(1, QColor(0xe2, 0xe7, 0xed));
    p.setBrush(g);
    p.drawRoundedRect(plate, 8, 8);
    const qreal r = plate.height() * 0.3;
    for (int i = 0; i < 2; ++i) {
        const QPointF c = wallOutlet(plate, i);
        QRadialGradient recess(c - QPointF(0, r * 0.3), r * 1.2);
        recess.setColorAt(0, QColor(0xe6, 0xea, 0xef));
        recess.setColorAt(1, QColor(0xc9, 0xd1, 0xdb));
        p.setPen(QPen(QColor(0xa9, 0xb3, 0xbf), 1));
        p.setBrush(recess);
        p.drawEllipse(c, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2f, 0x36, 0x40));
        p.drawEllipse(c + QPointF(-r * 0.4, 0), r * 0.14, r * 0.14);
        p.drawEllipse(c + QPointF(r * 0.4, 0), r * 0.14, r * 0.14);
    }
    p.restore();
}

void drawPowerAdapter(QPainter& p, const QRectF& brick) {
    p.save();
    QRadialGradient shadow(brick.center() + QPointF(4, 5), brick.width());
    shadow.setColorAt(0, QColor(0, 0, 0, 60));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawRoundedRect(brick.translated(3, 4).adjusted(-3, -3, 3, 3), 8, 8);
    QLinearGradient g(brick.topLeft(), brick.topRight());
    g.setColorAt(0, QColor(0x4a, 0x53, 0x5f));
    g.setColorAt(0.45, QColor(0x3a, 0x42, 0x4d));
    g.setColorAt(1, QColor(0x22, 0x28, 0x30));
    p.setPen(QPen(QColor(0x18, 0x1c, 0x22), 1));
    p.setBrush(g);
    p.drawRoundedRect(brick, 6, 6);
    // Grip ridges and a cable strain relief.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int i = 0; i < 3; ++i) {
        const qreal y = brick.top() + 8 + i * 4;
        p.drawLine(QPointF(brick.left() + 8, y), QPointF(brick.right() - 8, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x28, 0x30));
    p.drawRoundedRect(QRectF(brick.center().x() - 5, brick.bottom() - 1, 10, 9), 3, 3);
    p.restore();
}

void drawCallout(QPainter& p, QPointF anchor, QPointF labelPoint, const QString& text, Qt::Alignment side) {
    p.save();
    p.setPen(QPen(QColor(0x7d, 0x8c, 0x9e), 1));
    p.drawLine(anchor, labelPoint);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5b, 0x6b, 0x7e));
    p.drawEllipse(anchor, 2, 2);
    const qreal width = labelWidth(text, 12, true) + 2;
    QRectF box;
    if (side & Qt::AlignLeft)
        box = QRectF(labelPoint.x() + 4, labelPoint.y() - 8, width, 16);
    else if (side & Qt::AlignRight)
        box = QRectF(labelPoint.x() - 4 - width, labelPoint.y() - 8, width, 16);
    else if (side & Qt::AlignBottom)
        box = QRectF(labelPoint.x() - width / 2, labelPoint.y() + 1, width, 16);
    else
        box = QRectF(labelPoint.x() - width / 2, labelPoint.y() - 17, width, 16);
    drawLabel(p, box, Qt::AlignCenter, text, 12, true, pal::Ink);
    p.restore();
}

} // namespace art
