// The window shape of a face button: runs of opaque pixels of a face picture and the region made from them.
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QRegion>
#include <QRgb>
#include <cstdint>

// Error texts of the shaping steps, raised as EAppError to whoever set the face or the shape properties.
inline constexpr char kErrCreateDib[] = "Failed to create DIB section.";
inline constexpr char kErrCreateRegion[] = "Failed to create region.";
inline constexpr char kErrSetWindowRegion[] = "Failed to set window region.";
inline constexpr char kErrBatchRegion[] = "!hBatchRgn";

// Largest number of rectangles joined into the region in one step.
inline constexpr int kRegionBatchSize = 1000;

// True when the RGB distance sqrt(dr^2 + dg^2 + db^2) of `pixel` to `transColor` is at most `tolerance`.
bool IsTransparentPixel(QRgb pixel, QRgb transColor, std::uint16_t tolerance);

// One rectangle one pixel high per run of opaque pixels, top row first, left to right within a row.
// A null picture or one without any opaque pixel gives an empty list.
QList<QRect> FaceRegionRects(const QImage& face, QRgb transColor, std::uint16_t tolerance);

// The union of `rects`, made in batches of at most kRegionBatchSize rectangles (row runs are already in
// the banded order a region needs). Empty list: empty region. Raises kErrBatchRegion for a batch that
// gives no region.
QRegion RegionFromRects(const QList<QRect>& rects);
