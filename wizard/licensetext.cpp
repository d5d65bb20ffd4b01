#include "wizard/licensetext.h"

#include "wizard/rtfreader.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextDocument>

QString DecodePlainText(const QByteArray& data) {
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(data.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                         : QStringConverter::Utf16BE);
        return utf16.decode(data.mid(2));
    }
    // Stateful, so a character cut by the size limit neither counts as an error nor shows.
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(data);
    if (!utf8.hasError()) return text;
    QStringDecoder big5("windows-950");
    if (!big5.isValid()) return QString::fromLatin1(data);
    return big5.decode(data);
}

bool LoadLicenseText(const std::string& path, QTextDocument& document) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.read(kMaxLicenseBytes);
    document.clear();
    if (IsRtfData(data))
        ReadRtf(data, document);
    else
        document.setPlainText(DecodePlainText(data));
    return true;
}
