#include "tools/artgen/paintkit.h"

#include "platform/fonts.h"

#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>

namespace art {

void initFonts() {
    RegisterAppFont();
}

QFont uiFont(int pixelSize, bool bold) {
    QFont f(AppFontFamily());
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

qreal labelWidth(const QString& text, int pixelSize, bool bold) {
    const QFontMetricsF fm(uiFont(pixelSize, bold));
    return fm.horizontalAdvance(text) + (bold ? pixelSize * 0.05 : 0);
}

void drawLabel(QPainter& p, const QRectF& box, int align, const QString& text, int pixelSize, bool bold,
               const QColor& colour) {
    const QFont font = uiFont(pixelSize, bold);
    if (!bold) {
        p.save();
        p.setFont(font);
        p.setPen(colour);
        p.drawText(box, align, text);
        p.restore();
        return;
    }
    const QFontMetricsF fm(font);
    const qreal width = labelWidth(text, pixelSize, bold);
    qreal x = box.left();
    if (align & Qt::AlignHCenter)
        x = box.center().x() - width / 2;
    else if (align & Qt::AlignRight)
        x = box.right() - width;
    qreal baseline = box.top() + fm.ascent();
    if (align & Qt::AlignVCenter)
        baseline = box.center().y() + (fm.ascent() - fm.descent()) / 2;
    else if (align & Qt::AlignBottom)
        baseline = box.bottom() - fm.descent();
    QPainterPath path;
    path.addText(QPointF(qRound(x), qRound(baseline)), font, text);
    p.save();
    p.setPen(QPen(colour, pixelSize * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

QImage canvas(int width, int height, const QColor& fill) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void beginPainter(QPainter& p, QImage& img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage keyOutside(const QImage& painted, const QPainterPath& shape) {
    QImage out = painted.convertToFormat(QImage::Format_RGB32);
    const QRgb key = pal::Key.rgb();
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (!shape.contains(QPointF(x + 0.5, y + 0.5))) row[x] = key;
        }
    }
    return out;
}

QPainterPath faceShape(int width, int height, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width, height), radius, radius);
    return path;
}

void drawWaves(QPainter& p, QPointF centre, qreal firstRadius, qreal step, int count, const QColor& colour,
               qreal penWidth, qreal spanDegrees) {
    p.save();
    QPen pen(colour, penWidth, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const qreal r = firstRadius + i * step;
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        const int start = static_cast<int>((90 - spanDegrees / 2) * 16);
        p.drawArc(box, start, static_cast<int>(spanDegrees * 16));
    }
    p.restore();
}

void drawStepBadge(QPainter& p, QPointF centre, int number) {
    p.save();
    QRadialGradient g(centre - QPointF(3, 4), 14);
    g.setColorAt(0, pal::BlueLight);
    g.setColorAt(1, pal::Blue);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, 11, 11);
    drawLabel(p, QRectF(centre.x() - 11, centre.y() - 11, 22, 22), Qt::AlignCenter, QString::number(number),
              13, true, Qt::white);
    p.restore();
}

namespace {
bool write(const QImage& img, const QString& path, const char* format, int quality) {
    QImageWriter w(path, format);
    if (quality >= 0) w.setQuality(quality);
    return w.write(img);
}
} // namespace

bool saveJpeg(const QImage& img, const QString& path) {
    return write(img.convertToFormat(QImage::Format_RGB32), path, "jpg", 92);
}

bool saveBmp24(const QImage& img, const QString& path) {
    return write(img.convertToFormat(QImage::Format_RGB888), path, "bmp", -1);
}

bool savePng(const QImage& img, const QString& path) {
    return write(img.convertToFormat(QImage::Format_ARGB32), path, "png", -1);
}

} // namespace art
