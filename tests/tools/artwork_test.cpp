// Checks the built-in skin pictures in assets/skin: names, sizes, formats and the fuchsia shaping key.
#include <QFile>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace {

const QString kSkinDir = QStringLiteral(CORVANA_SKIN_DIR);
constexpr QRgb kKey = 0xffff00ff;

struct Picture {
    const char* name;
    int width;
    int height;
    bool shaped; // face button: fuchsia outside the shape
};

const std::vector<Picture> kPictures = {
    {"ImgBGMain.jpg", 600, 450, false},
    {"ImgFrameBG.jpg", 600, 323, false},
    {"ImgBGProgress.jpg", 190, 50, false},
    {"ImgBGAutorun.jpg", 600, 450, false},
    {"ImgBtnN.bmp", 85, 21, true},
    {"ImgBtnH.bmp", 85, 21, true},
    {"ImgBtnD.bmp", 85, 21, true},
    {"ImgBtnSetupWizardN.bmp", 197, 32, true},
    {"ImgBtnSetupWizardD.bmp", 197, 32, true},
    {"ImgBtnUGN.bmp", 197, 31, true},
    {"ImgBtnUGD.bmp", 197, 31, true},
    {"ImgBtnProductRegN.bmp", 197, 30, true},
    {"ImgBtnProductRegD.bmp", 197, 30, true},
    {"ImgBtnExitN.bmp", 197, 31, true},
    {"ImgBtnExitD.bmp", 197, 31, true},
    {"ImgBtnUG_UGN.jpg", 190, 30, false},
    {"ImgBtnUG_UGD.jpg", 190, 30, false},
    {"ImgBtnUG_QIGN.jpg", 190, 21, false},
    {"ImgBtnUG_QIGD.jpg", 190, 21, false},
    {"ImgTutorial.jpg", 516, 270, false},
    {"ImgTutorial2.jpg", 553, 240, false},
    {"ImgsType0.png", 16, 16, false},
    {"ImgsType1.png", 16, 16, false},
    {"ImgsType2.png", 16, 16, false},
    {"ImgsType3.png", 16, 16, false},
    {"ImgsType4.png", 16, 16, false},
    {"ImgsType5.png", 16, 16, false},
    {"ImgsType6.png", 16, 16, false},
    {"ImgsType7.png", 16, 16, false},
    {"ImgsType8.png", 16, 16, false},
    {"IncBMP.bmp", 10, 10, false},
    {"DecBMP.bmp", 10, 10, false},
};

QString pathOf(const Picture& pic) {
    return kSkinDir + QLatin1Char('/') + QLatin1String(pic.name);
}

// Gtest prints parameters in failure messages and test lists; the file name says it all.
void PrintTo(const Picture& pic, std::ostream* os) {
    *os << pic.name;
}

std::string caseName(const ::testing::TestParamInfo<Picture>& info) {
    std::string n = info.param.name;
    for (char& ch : n)
        if (ch == '.') ch = '_';
    return n;
}

template <typename Pred> std::vector<Picture> picturesWhere(Pred pred) {
    std::vector<Picture> out;
    for (const Picture& p : kPictures)
        if (pred(p)) out.push_back(p);
    return out;
}

bool nearKey(QRgb c) {
    return std::abs(qRed(c) - 0xff) <= 30 && qGreen(c) <= 30 && std::abs(qBlue(c) - 0xff) <= 30;
}

class SkinPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(SkinPicture, LoadsWithItsExactSize) {
    const Picture& pic = GetParam();
    QImage img(pathOf(pic));
    ASSERT_FALSE(img.isNull()) << pic.name << " missing or unreadable";
    EXPECT_EQ(img.width(), pic.width) << pic.name;
    EXPECT_EQ(img.height(), pic.height) << pic.name;
}

INSTANTIATE_TEST_SUITE_P(All, SkinPicture, ::testing::ValuesIn(kPictures), caseName);

class SkinBitmap : public ::testing::TestWithParam<Picture> {};

TEST_P(SkinBitmap, IsTwentyFourBit) {
    const Picture& pic = GetParam();
    QFile f(pathOf(pic));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << pic.name;
    const QByteArray head = f.read(30);
    ASSERT_EQ(head.size(), 30);
    EXPECT_EQ(head.left(2), QByteArray("BM")) << pic.name;
    EXPECT_EQ(static_cast<unsigned char>(head[28]) | (static_cast<unsigned char>(head[29]) << 8), 24)
        << pic.name;
}

INSTANTIATE_TEST_SUITE_P(All, SkinBitmap, ::testing::ValuesIn(picturesWhere([](const Picture& p) {
                             return QLatin1String(p.name).endsWith(QLatin1String(".bmp"));
                         })),
                         caseName);

// The shaping takes every exactly-fuchsia pixel out of the button; a pixel that is almost fuchsia would
// stay in and show as a pink fringe, and a row with more than one opaque run would leave holes.
class ShapedFace : public ::testing::TestWithParam<Picture> {};

TEST_P(ShapedFace, KeysExactFuchsiaOutsideOneRunPerRow) {
    const Picture& pic = GetParam();
    const QImage img = QImage(pathOf(pic)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(img.isNull()) << pic.name;
    const int w = img.width(), h = img.height();
    for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(img.pixel(corner), kKey) << pic.name << " corner " << corner.x() << "," << corner.y();
    for (int y = 0; y < h; ++y) {
        int runs = 0;
        bool inside = false;
        for (int x = 0; x < w; ++x) {
            const QRgb c = img.pixel(x, y);
            const bool key = c == kKey;
            EXPECT_TRUE(key || !nearKey(c)) << pic.name << " near-fuchsia pixel at " << x << "," << y;
            if (!key && !inside) ++runs;
            inside = !key;
        }
        EXPECT_EQ(runs, 1) << pic.name << " row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(All, ShapedFace,
                         ::testing::ValuesIn(picturesWhere([](const Picture& p) { return p.shaped; })),
                         caseName);

class TypeIcon : public ::testing::TestWithParam<Picture> {};

TEST_P(TypeIcon, HasTransparentBackground) {
    const Picture& pic = GetParam();
    const QImage img(pathOf(pic));
    ASSERT_TRUE(img.hasAlphaChannel()) << pic.name;
    int clear = 0, solid = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int a = qAlpha(img.pixel(x, y));
            clear += a == 0;
            solid += a == 255;
        }
    EXPECT_GT(clear, 0) << pic.name;
    EXPECT_GT(solid, 0) << pic.name;
}

INSTANTIATE_TEST_SUITE_P(All, TypeIcon, ::testing::ValuesIn(picturesWhere([](const Picture& p) {
                             return QLatin1String(p.name).startsWith(QLatin1String("ImgsType"));
                         })),
                         caseName);

} // namespace
