// Region of a face picture: transparency by colour distance, row runs, batching.
#include "controls/faceregion.h"

#include "platform/application.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kFuchsia = 0xFF00FF;

// A face of `fill` whose four corner pixels are `corner`, like the skin's page buttons.
QImage CornerFace(int w, int h, QRgb fill, QRgb corner, QImage::Format format = QImage::Format_RGB888) {
    QImage face(w, h, format);
    face.fill(QColor(fill));
    for (QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        face.setPixelColor(p, QColor(corner));
    return face;
}

struct DistanceCase {
    QRgb pixel;
    std::uint16_t tolerance;
    bool transparent;
};

class TransparentPixel : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(TransparentPixel, ColourDistanceAgainstFuchsia) {
    const DistanceCase& c = GetParam();
    EXPECT_EQ(IsTransparentPixel(c.pixel, kFuchsia, c.tolerance), c.transparent)
        << std::hex << c.pixel << " tolerance " << std::dec << c.tolerance;
}

// FF10F0 lies sqrt(16^2 + 15^2) = 21.93 from fuchsia, black sqrt(2 * 255^2) = 360.6.
INSTANTIATE_TEST_SUITE_P(Cases, TransparentPixel,
                         ::testing::Values(DistanceCase{0xFF00FF, 0, true}, DistanceCase{0xFF10F0, 0, false},
                                           DistanceCase{0xFF10F0, 30, true},
                                           DistanceCase{0xFF10F0, 21, false},
                                           DistanceCase{0xFF10F0, 22, true}, DistanceCase{0xFE00FF, 0, false},
                                           DistanceCase{0x000000, 360, false},
                                           DistanceCase{0x000000, 361, true},
                                           DistanceCase{0x00FF00, 65535, true}));

struct FaceCase {
    const char* name;
    QImage face;
    std::uint16_t tolerance;
    QList<QRect> expected;
};

QList<QRect> RowsWithCutCorners(int w, int h) {
    QList<QRect> rows;
    for (int y = 0; y < h; ++y)
        rows.append(y == 0 || y == h - 1 ? QRect(1, y, w - 2, 1) : QRect(0, y, w, 1));
    return rows;
}

QList<QRect> FullRows(int w, int h) {
    QList<QRect> rows;
    for (int y = 0; y < h; ++y)
        rows.append(QRect(0, y, w, 1));
    return rows;
}

QImage TwoRunsAndEmptyRow() {
    // Row 0: opaque at 1..2 and 5; row 1 all transparent; row 2 opaque at 0 and 6 (the row's ends).
    QImage face(7, 3, QImage::Format_RGB888);
    face.fill(QColor(kFuchsia));
    for (QPoint p : {QPoint(1, 0), QPoint(2, 0), QPoint(5, 0), QPoint(0, 2), QPoint(6, 2)})
        face.setPixelColor(p, Qt::white);
    return face;
}

class FaceRects : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceRects, RunsTopRowFirstLeftToRight) {
    const FaceCase& c = GetParam();
    EXPECT_EQ(FaceRegionRects(c.face, kFuchsia, c.tolerance), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FaceRects,
    ::testing::Values(
        // The page button: 85 x 21, four fuchsia corners, one rectangle per row (rows padded to 4 bytes).
        FaceCase{"page button", CornerFace(85, 21, 0xD0D0D0, kFuchsia), 0, RowsWithCutCorners(85, 21)},
        FaceCase{"page button as 32-bit picture",
                 CornerFace(85, 21, 0xD0D0D0, kFuchsia, QImage::Format_RGB32), 0, RowsWithCutCorners(85, 21)},
        FaceCase{"near-fuchsia corners, tolerance 30", CornerFace(85, 21, 0xD0D0D0, 0xFF10F0), 30,
                 RowsWithCutCorners(85, 21)},
        FaceCase{"near-fuchsia corners, tolerance 0", CornerFace(85, 21, 0xD0D0D0, 0xFF10F0), 0,
                 FullRows(85, 21)},
        FaceCase{"several runs and an empty row",
                 TwoRunsAndEmptyRow(),
                 0,
                 {QRect(1, 0, 2, 1), QRect(5, 0, 1, 1), QRect(0, 2, 1, 1), QRect(6, 2, 1, 1)}},
        FaceCase{"all transparent", CornerFace(4, 4, kFuchsia, kFuchsia), 0, {}},
        FaceCase{"no picture", QImage(), 0, {}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(RegionFromRects, EmptyListGivesNoRegion) {
    EXPECT_TRUE(RegionFromRects({}).isEmpty());
}

TEST(RegionFromRects, PageButtonRegionLeavesOnlyTheCornersOut) {
    const QRegion region =
        RegionFromRects(FaceRegionRects(CornerFace(85, 21, 0xD0D0D0, kFuchsia), kFuchsia, 0));
    for (QPoint corner : {QPoint(0, 0), QPoint(84, 0), QPoint(0, 20), QPoint(84, 20)})
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    for (QPoint inside : {QPoint(1, 0), QPoint(0, 1), QPoint(83, 20), QPoint(84, 19), QPoint(42, 10)})
        EXPECT_TRUE(region.contains(inside)) << inside.x() << "," << inside.y();
}

TEST(RegionFromRects, RunsAcrossSeveralBatchesAreAllKept) {
    // Every other pixel opaque: 1001 runs per row, 3 rows = 3003 runs, more than three batches' worth.
    QImage face(2001, 3, QImage::Format_RGB888);
    face.fill(QColor(kFuchsia));
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); x += 2)
            face.setPixelColor(x, y, Qt::black);
    const QList<QRect> rects = FaceRegionRects(face, kFuchsia, 0);
    ASSERT_EQ(rects.size(), 3003);
    const QRegion region = RegionFromRects(rects);
    QRegion oneByOne;
    for (const QRect& r : rects)
        oneByOne += r;
    EXPECT_EQ(region, oneByOne);
    EXPECT_TRUE(region.contains(QPoint(2000, 2)));
    EXPECT_FALSE(region.contains(QPoint(1999, 2)));
}

} // namespace
