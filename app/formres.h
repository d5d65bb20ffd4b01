// TFormRes: every named skin picture, built in, with replacement files named in the ini file.
#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <string>
#include <vector>

class TFormRes : public QObject {
    Q_OBJECT
public:
    // Loads the built-in pictures, then the replacements; a replacement that cannot be read is reported in
    // the standard exception box and stops the remaining replacements.
    explicit TFormRes(QObject* owner = nullptr);

    // The picture of that name (a null image for an unknown name).
    QImage Image(const std::string& name) const;
    QPixmap Pixmap(const std::string& name) const { return QPixmap::fromImage(Image(name)); }
    // The nine 16 x 16 icons of the site survey lists.
    const std::vector<QImage>& ImgsType() const { return m_types; }
    // The sort arrows of the lists' headers, pointing up (increasing) or down.
    QImage SortArrow(bool up) const;

    // The picture names in creation order.
    static const std::vector<std::string>& Names();
    // Loads one picture file by its extension; raises EAppError when it exists but cannot be read.
    static QImage LoadPictureFile(const std::string& path);

private:
    void LoadReplacements();
    std::vector<std::pair<std::string, QImage>> m_images;
    std::vector<QImage> m_types;
};

// The skin-image holder of the running program; created before every other window.
extern TFormRes* FormRes;
