#include "wizard/framenavpage.h"

#include "app/formres.h"
#include "controls/trifacebtn.h"
#include "wizard/navigation.h"

#include <QLabel>

void ApplyPageSkin(QWidget* page) {
    if (!FormRes) return;
    if (auto* bg = page->findChild<QLabel*>(QStringLiteral("ImgBG"), Qt::FindDirectChildrenOnly))
        bg->setPixmap(FormRes->Pixmap("ImgFrameBG"));
    const QPixmap normal = FormRes->Pixmap("ImgBtnN"), over = FormRes->Pixmap("ImgBtnH"),
                  down = FormRes->Pixmap("ImgBtnD");
    for (TTrifaceBtn* button : page->findChildren<TTrifaceBtn*>()) {
        // Buttons of a nested page get their faces from that page's own InitFrame.
        if (button->parentWidget() != page && button->parentWidget()->inherits("TFrameBase")) continue;
        button->SetFace(normal);
        button->SetFaceOver(over);
        button->SetFaceDown(down);
        button->SetTransColor(QColor(0xFF, 0x00, 0xFF));
        button->SetAutoShape(!normal.isNull());
    }
}

TFrameNavPage::TFrameNavPage(QWidget* parent) : TFrameBase(parent) {
    resize(600, 323);
    ImgBG = new QLabel(this);
    ImgBG->setObjectName(QStringLiteral("ImgBG"));
    ImgBG->setGeometry(0, 0, 600, 323);
    BtnExit = AddButton("BtnExit", "Exit", kExitLeft);
    BtnBack = AddButton("BtnBack", "Back", kBackLeft);
    BtnNext = AddButton("BtnNext", "Next", kNextLeft);
    connect(BtnExit, &QPushButton::clicked, this, [this] { BtnExitClick(); });
    connect(BtnBack, &QPushButton::clicked, this, [this] { BtnBackClick(); });
    connect(BtnNext, &QPushButton::clicked, this, [this] { BtnNextClick(); });
}

TTrifaceBtn* TFrameNavPage::AddButton(const char* name, const char* caption, int left) {
    auto* b = new TTrifaceBtn(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QString::fromLatin1(caption));
    b->SetBounds(left, kButtonTop, 85, 21);
    return b;
}

void TFrameNavPage::InitFrame() {
    ApplyPageSkin(this);
    TFrameBase::InitFrame();
}

void TFrameNavPage::BtnExitClick() {
    PostPageNav(NAV_EXIT);
}
void TFrameNavPage::BtnBackClick() {
    PostPageNav(NAV_BACK);
}
void TFrameNavPage::BtnNextClick() {
    PostPageNav(NAV_NEXT);
}
