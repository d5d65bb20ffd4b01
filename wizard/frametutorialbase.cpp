#include "wizard/frametutorialbase.h"

#include "app/formres.h"
#include "app/globalvar.h"
#include "wizard/navigation.h"

#include <QLabel>

TFrameTutorialBase::TFrameTutorialBase(QWidget* parent, const char* pictureName, QPoint topLeft)
    : TFrameNavPage(parent) {
    m_picture = new QLabel(this);
    m_picture->setObjectName(QString::fromLatin1(pictureName));
    const QPixmap picture = FormRes ? FormRes->Pixmap(pictureName) : QPixmap();
    m_picture->setPixmap(picture);
    m_picture->setGeometry(QRect(topLeft, picture.size()));
}

bool TFrameTutorialBase::CanEnter(TFrameBase* from, int direction, LPARAM param) {
    // Read on every entry, so a changed ini file counts from the next page change.
    if (g_Var.ReadIniBool("Setting", "SkipTutorial", false)) {
        if (direction == DIR_FORWARD)
            BtnNextClick();
        else
            BtnBackClick();
    }
    TFrameNavPage::CanEnter(from, direction, param);
    return true;
}
