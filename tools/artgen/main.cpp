// artgen: draws the built-in skin pictures into a folder (default assets/skin).
#include "tools/artgen/backgrounds.h"
#include "tools/artgen/buttons.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/paintkit.h"
#include "tools/artgen/tutorials.h"

#include <QDir>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

namespace {

int run(const QString& folder) {
    using namespace art;
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "artgen: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const QDir out(folder);
    int failures = 0;
    auto put = [&](bool ok, const char* name) {
        if (!ok) {
            std::fprintf(stderr, "artgen: cannot write %s\n", name);
            ++failures;
        }
    };
    auto jpeg = [&](const QImage& img, const char* name) { put(saveJpeg(img, out.filePath(name)), name); };
    auto bmp = [&](const QImage& img, const char* name) { put(saveBmp24(img, out.filePath(name)), name); };
    auto png = [&](const QImage& img, const QString& name) {
        put(savePng(img, out.filePath(name)), qPrintable(name));
    };

    jpeg(wizardBackground(), "ImgBGMain.jpg");
    jpeg(pageBackground(), "ImgFrameBG.jpg");
    jpeg(progressBackground(), "ImgBGProgress.jpg");
    jpeg(startMenuBackground(), "ImgBGAutorun.jpg");

    bmp(pageButtonFace(FaceState::Normal), "ImgBtnN.bmp");
    bmp(pageButtonFace(FaceState::Hover), "ImgBtnH.bmp");
    bmp(pageButtonFace(FaceState::Pressed), "ImgBtnD.bmp");

    struct Menu {
        const char* stem;
        int height;
        const char* caption;
        MenuGlyph glyph;
    };
    const Menu menus[] = {
        {"ImgBtnSetupWizard", 32, "Setup Wizard", MenuGlyph::Wizard},
        {"ImgBtnUG", 31, "Documentation", MenuGlyph::Guide},
        {"ImgBtnProductReg", 30, "Product Registration", MenuGlyph::Register},
        {"ImgBtnExit", 31, "Exit", MenuGlyph::Exit},
    };
    QStringList captions;
    int lowest = 1000;
    for (const Menu& m : menus) {
        captions << QString::fromLatin1(m.caption);
        lowest = std::min(lowest, m.height);
    }
    const int captionPx = menuCaptionSize(captions, 197, lowest);
    for (const Menu& m : menus) {
        for (bool lit : {false, true}) {
            const QString name = QString::fromLatin1(m.stem) + (lit ? "D.bmp" : "N.bmp");
            bmp(menuButtonFace(197, m.height, QString::fromLatin1(m.caption), m.glyph, lit, captionPx),
                qPrintable(name));
        }
    }
    // The start menu shows these in controls 21 pixels high, so the caption sits in the top 21 rows.
    jpeg(subButtonFace(190, 30, 21, QStringLiteral("User Guide"), false), "ImgBtnUG_UGN.jpg");
    jpeg(subButtonFace(190, 30, 21, QStringLiteral("User Guide"), true), "ImgBtnUG_UGD.jpg");
    jpeg(subButtonFace(190, 21, 21, QStringLiteral("Quick Installation Guide"), false), "ImgBtnUG_QIGN.jpg");
    jpeg(subButtonFace(190, 21, 21, QStringLiteral("Quick Installation Guide"), true), "ImgBtnUG_QIGD.jpg");

    jpeg(cablingTutorial(), "ImgTutorial.jpg");
    jpeg(powerTutorial(), "ImgTutorial2.jpg");

    for (int i = 0; i < 9; ++i)
        png(surveyTypeIcon(i), QStringLiteral("ImgsType%1.png").arg(i));
    bmp(sortArrow(true), "IncBMP.bmp");
    bmp(sortArrow(false), "DecBMP.bmp");
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 || (args.size() == 2 && args[1].startsWith(QLatin1Char('-')))) {
        std::fprintf(stderr, "usage: artgen [output-folder]   (default: assets/skin)\n");
        return 2;
    }
    art::initFonts();
    return run(args.size() == 2 ? args[1] : QStringLiteral("assets/skin"));
}
