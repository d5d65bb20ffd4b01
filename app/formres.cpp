#include "app/formres.h"

#include "app/globalvar.h"
#include "app/jpegimage.h"
#include "platform/application.h"
#include "platform/modulepath.h"

#include <QFileInfo>
#include <QImageReader>

TFormRes* FormRes = nullptr;

namespace {
struct BuiltIn {
    const char* Name;
    const char* File;
};
constexpr BuiltIn kPictures[] = {
    {"ImgBGMain", "ImgBGMain.jpg"},
    {"ImgFrameBG", "ImgFrameBG.jpg"},
    {"ImgBtnN", "ImgBtnN.bmp"},
    {"ImgBtnH", "ImgBtnH.bmp"},
    {"ImgBtnD", "ImgBtnD.bmp"},
    {"ImgBGProgress", "ImgBGProgress.jpg"},
    {"ImgTutorial", "ImgTutorial.jpg"},
    {"ImgBGAutorun", "ImgBGAutorun.jpg"},
    {"ImgBtnSetupWizardN", "ImgBtnSetupWizardN.bmp"},
    {"ImgBtnSetupWizardD", "ImgBtnSetupWizardD.bmp"},
    {"ImgBtnUGN", "ImgBtnUGN.bmp"},
    {"ImgBtnUGD", "ImgBtnUGD.bmp"},
    {"ImgBtnProductRegN", "ImgBtnProductRegN.bmp"},
    {"ImgBtnProductRegD", "ImgBtnProductRegD.bmp"},
    {"ImgBtnExitN", "ImgBtnExitN.bmp"},
    {"ImgBtnExitD", "ImgBtnExitD.bmp"},
    {"ImgTutorial2", "ImgTutorial2.jpg"},
    {"ImgBtnUG_UGN", "ImgBtnUG_UGN.jpg"},
    {"ImgBtnUG_UGD", "ImgBtnUG_UGD.jpg"},
    {"ImgBtnUG_QIGN", "ImgBtnUG_QIGN.jpg"},
    {"ImgBtnUG_QIGD", "ImgBtnUG_QIGD.jpg"},
};

QImage builtIn(const QString& file) {
    const QString path = QStringLiteral(":/skin/") + file;
    if (file.endsWith(QLatin1String(".jpg"))) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = f.readAll();
        return DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                          static_cast<size_t>(bytes.size()), file.toStdString());
    }
    return QImage(path);
}
} // namespace

const std::vector<std::string>& TFormRes::Names() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const auto& p : kPictures)
            n.emplace_back(p.Name);
        return n;
    }();
    return names;
}

TFormRes::TFormRes(QObject* owner) : QObject(owner) {
    setObjectName(QStringLiteral("FormRes"));
    GuardedCall([this] {
        for (const auto& p : kPictures)
            m_images.emplace_back(p.Name, builtIn(QString::fromLatin1(p.File)));
        for (int i = 0; i < 9; ++i)
            m_types.push_back(builtIn(QStringLiteral("ImgsType%1.png").arg(i)));
    });
    // An unreadable replacement is shown like any error of a window's creation; start-up goes on.
    GuardedCall([this] { LoadReplacements(); });
}

QImage TFormRes::Image(const std::string& name) const {
    for (const auto& [n, img] : m_images)
        if (n == name) return img;
    return {};
}

QImage TFormRes::SortArrow(bool up) const {
    return builtIn(up ? QStringLiteral("IncBMP.bmp") : QStringLiteral("DecBMP.bmp"));
}

QImage TFormRes::LoadPictureFile(const std::string& path) {
    const QString ext = QFileInfo(QString::fromUtf8(path)).suffix().toLower();
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) return LoadJpegFile(path);
    if (ext == QLatin1String("bmp") || ext == QLatin1String("ico") || ext == QLatin1String("png") ||
        ext == QLatin1String("gif")) {
        QImageReader reader(QString::fromUtf8(path), ext.toLatin1());
        reader.setAllocationLimit(256);
        QImage img = reader.read();
        if (img.isNull())
            throw EAppError("Cannot read picture " + path + ": " + reader.errorString().toStdString());
        return img;
    }
    throw EAppError("Unsupported picture file type: " + path);
}

void TFormRes::LoadReplacements() {
    const std::string resPath = g_Var.ReadIni("Product", "Res_Path", "");
    std::string folder = g_Var.AppPath + resPath;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    if (!DirectoryExists(folder)) return;
    for (auto& [name, img] : m_images) {
        const std::string file = g_Var.ReadIni("FormRes_TImage", name.c_str(), "");
        if (file.empty() || !FileExists(folder + file)) continue;
        img = LoadPictureFile(folder + file);
    }
}
