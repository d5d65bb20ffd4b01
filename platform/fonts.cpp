#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace {
QString& family() {
    static QString f = QStringLiteral("DejaVu Sans");
    return f;
}
} // namespace

QString RegisterAppFont() {
    static bool done = false;
    if (done) return family();
    done = true;
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/fonts/truetype/wine/tahoma.ttf"}) {
        if (!QFile::exists(QString::fromLatin1(file))) continue;
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id < 0) continue;
        const QStringList fams = QFontDatabase::applicationFontFamilies(id);
        if (!fams.isEmpty()) {
            family() = fams.first();
            const QString bold = QString::fromLatin1(file).replace(QStringLiteral("tahoma.ttf"),
                                                                   QStringLiteral("tahomabd.ttf"));
            if (QFile::exists(bold)) QFontDatabase::addApplicationFont(bold);
            break;
        }
    }
    return family();
}

QString AppFontFamily() {
    return family();
}
