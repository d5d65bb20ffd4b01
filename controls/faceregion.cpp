#include "controls/faceregion.h"

#include "platform/application.h"

#include <algorithm>

bool IsTransparentPixel(QRgb pixel, QRgb transColor, std::uint16_t tolerance) {
    const std::int64_t dr = qRed(pixel) - qRed(transColor);
    const std::int64_t dg = qGreen(pixel) - qGreen(transColor);
    const std::int64_t db = qBlue(pixel) - qBlue(transColor);
    // Squared on both sides: the same verdict as comparing the square root, without rounding.
    const std::int64_t tol = tolerance;
    return dr * dr + dg * dg + db * db <= tol * tol;
}

namespace {

// Calls `run(x0, x1, y)` for every run of opaque pixels [x0, x1) of row y, top row first.
template <class F> void ForEachOpaqueRun(const QImage& rgb, QRgb transColor, std::uint16_t tolerance, F run) {
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* line = rgb.constScanLine(y);
        int x = 0;
        while (x < width) {
            while (x < width && IsTransparentPixel(qRgb(line[3 * x], line[3 * x + 1], line[3 * x + 2]),
                                                   transColor, tolerance))
                ++x;
            if (x >= width) break;
            const int x0 = x;
            while (x < width && !IsTransparentPixel(qRgb(line[3 * x], line[3 * x + 1], line[3 * x + 2]),
                                                    transColor, tolerance))
                ++x;
            run(x0, x, y);
        }
    }
}

} // namespace

QList<QRect> FaceRegionRects(const QImage& face, QRgb transColor, std::uint16_t tolerance) {
    if (face.isNull()) return {};
    const QImage rgb =
        face.format() == QImage::Format_RGB888 ? face : face.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) return {};
    // Count first so the list is allocated once, then collect.
    qsizetype count = 0;
    ForEachOpaqueRun(rgb, transColor, tolerance, [&](int, int, int) { ++count; });
    QList<QRect> rects;
    rects.reserve(count);
    ForEachOpaqueRun(rgb, transColor, tolerance,
                     [&](int x0, int x1, int y) { rects.append(QRect(QPoint(x0, y), QSize(x1 - x0, 1))); });
    return rects;
}

QRegion RegionFromRects(const QList<QRect>& rects) {
    QRegion result;
    for (qsizetype first = 0; first < rects.size(); first += kRegionBatchSize) {
        const int count = static_cast<int>(std::min<qsizetype>(kRegionBatchSize, rects.size() - first));
        QRegion batch;
        batch.setRects(rects.constData() + first, count);
        if (batch.isEmpty()) throw EAppError(kErrBatchRegion);
        result = first == 0 ? batch : result.united(batch);
    }
    return result;
}
