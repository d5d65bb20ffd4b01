#include "app/formres.h"
#include "app/globalvar.h"
#include "platform/application.h"
#include "platform/prompt_scripted.h"
#include "support/tempdir.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
QImage solid(int w, int h, QRgb color) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    return img;
}
bool near(QRgb a, QRgb b) { // JPEG is lossy
    return std::abs(qRed(a) - qRed(b)) < 12 && std::abs(qGreen(a) - qGreen(b)) < 12 &&
           std::abs(qBlue(a) - qBlue(b)) < 12;
}

struct Disc {
    TestDir Dir;
    explicit Disc(const std::string& ini) {
        Dir.Write("Setup.ini", ini);
        g_Var.LoadConfig(Dir.Path("Setup"));
    }
    ~Disc() { g_Var.LoadConfig("/nonexistent/Setup"); }
    void Picture(const std::string& name, const QImage& img) const {
        ASSERT_TRUE(img.save(QString::fromStdString(Dir.Path(name))));
    }
};
} // namespace

TEST(FormRes, ReplacementsFollowResPathAndTheImageSection) {
    struct Case {
        const char* Ini;
        bool MainReplaced, ButtonReplaced;
    } cases[] = {
        {"", false, false},
        {"[FormRes_TImage]\nImgBGMain=bg.jpg\nImgBtnN=btn.bmp\n", true,
         true}, // empty Res_Path: program folder
        {"[Product]\nRes_Path=skin\n[FormRes_TImage]\nImgBGMain=bg.jpg\nImgBtnN=btn.bmp\n", false, false},
        {"[FormRes_TImage]\nImgBGMain=missing.jpg\nImgBtnN=btn.bmp\n", false, true}, // missing file: built-in
    };
    for (const auto& c : cases) {
        Disc disc(c.Ini);
        disc.Picture("bg.jpg", solid(600, 450, qRgb(200, 10, 10)));
        disc.Picture("btn.bmp", solid(85, 21, qRgb(10, 200, 10)));
        CScriptedPromptGuard prompt;
        TFormRes res;
        EXPECT_TRUE(prompt->Shown.empty()) << c.Ini;
        EXPECT_EQ(near(res.Image("ImgBGMain").pixel(5, 5), qRgb(200, 10, 10)), c.MainReplaced) << c.Ini;
        EXPECT_EQ(res.Image("ImgBtnN").pixel(5, 5) == qRgb(10, 200, 10), c.ButtonReplaced) << c.Ini;
    }
}

TEST(FormRes, ResPathFolderIsUsed) {
    Disc disc("[Product]\nRes_Path=skin\n[FormRes_TImage]\nImgFrameBG=page.jpg\n");
    QDir().mkpath(QString::fromStdString(disc.Dir.Path("skin")));
    disc.Picture("skin/page.jpg", solid(600, 323, qRgb(0, 0, 220)));
    TFormRes res;
    EXPECT_TRUE(near(res.Image("ImgFrameBG").pixel(1, 1), qRgb(0, 0, 220)));
    EXPECT_EQ(res.Image("ImgFrameBG").size(), QSize(600, 323));
}

TEST(FormRes, UnreadableFileIsReportedAndStopsTheRemainingReplacements) {
    // ImgBGMain comes before ImgBtnN in creation order, ImgBtnN before ImgBtnH.
    Disc disc("[FormRes_TImage]\nImgBGMain=bg.jpg\nImgBtnN=broken.jpg\nImgBtnH=btn.bmp\n");
    disc.Picture("bg.jpg", solid(600, 450, qRgb(200, 10, 10)));
    disc.Dir.Write("broken.jpg", std::string("\xFF\xD8\xFF\xE0 not really a picture", 25));
    disc.Picture("btn.bmp", solid(85, 21, qRgb(10, 200, 10)));
    CScriptedPromptGuard prompt;
    TFormRes res;
    ASSERT_EQ(prompt->Shown.size(), 1u);
    EXPECT_EQ(prompt->Shown[0].Kind, PromptKind::Error);
    EXPECT_NE(prompt->Shown[0].Text.find("broken.jpg"), std::string::npos);
    EXPECT_TRUE(near(res.Image("ImgBGMain").pixel(5, 5), qRgb(200, 10, 10)));
    EXPECT_NE(res.Image("ImgBtnH").pixel(5, 5), qRgb(10, 200, 10));
}

TEST(FormRes, PictureFilesByExtension) {
    TestDir dir;
    ASSERT_TRUE(solid(4, 3, qRgb(1, 2, 3)).save(QString::fromStdString(dir.Path("a.png"))));
    dir.Write("empty.jpg", "");
    dir.Write("truncated.bmp", "BM\x10\0\0\0");
    dir.Write("pic.wmf", "meta");
    EXPECT_EQ(TFormRes::LoadPictureFile(dir.Path("a.png")).size(), QSize(4, 3));
    for (const char* bad : {"empty.jpg", "truncated.bmp", "pic.wmf", "absent.jpg"})
        EXPECT_THROW(TFormRes::LoadPictureFile(dir.Path(bad)), EAppError) << bad;
}
