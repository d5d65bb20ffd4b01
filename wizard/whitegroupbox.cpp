#include "wizard/whitegroupbox.h"

#include <QGroupBox>
#include <QPalette>

QGroupBox* MakeWhiteGroupBox(QWidget* page, const char* name, const char* caption, const QRect& bounds) {
    auto* box = new QGroupBox(QString::fromLatin1(caption), page);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(bounds);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, Qt::white);
    box->setPalette(pal);
    box->setAutoFillBackground(true);
    return box;
}
