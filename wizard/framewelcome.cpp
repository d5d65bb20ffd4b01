#include "wizard/framewelcome.h"

#include "controls/trifacebtn.h"
#include "platform/fonts.h"
#include "wizard/framenavpage.h"
#include "wizard/navigation.h"
#include "wizard/userguideaction.h"
#include "wizard/whitegroupbox.h"

#include <QGroupBox>
#include <QLabel>

namespace {
TTrifaceBtn* pageButton(QWidget* page, const char* name, const char* caption, int left) {
    auto* b = new TTrifaceBtn(page);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QString::fromLatin1(caption));
    b->SetBounds(left, kButtonTop, 85, 21);
    return b;
}
} // namespace

TFrameWelcome::TFrameWelcome(QWidget* parent) : TFrameBase(parent) {
    resize(600, 323);
    ImgBG = new QLabel(this);
    ImgBG->setObjectName(QStringLiteral("ImgBG"));
    ImgBG->setGeometry(0, 0, 600, 323);
    GBoxWelcome = MakeWhiteGroupBox(this, "GBoxWelcome", "Welcome", QRect(25, 8, 550, 250));
    LbInfo1 = new QLabel(QStringLiteral("Welcome to the Setup Wizard for your QVN-512WA."), GBoxWelcome);
    LbInfo1->setObjectName(QStringLiteral("LbInfo1"));
    LbInfo1->setGeometry(20, 30, 510, 120);
    LbInfo1->setWordWrap(true);
    LbInfo1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont info(AppFontFamily());
    info.setPixelSize(18);
    info.setBold(true);
    LbInfo1->setFont(info);
    BtnExit = pageButton(this, "BtnExit", "Exit", kExitLeft);
    BtnUG = pageButton(this, "BtnUG", "User Guide", kBackLeft);
    BtnUG->hide();
    BtnStart = pageButton(this, "BtnStart", "Start", kNextLeft);
    UserGuide = new TUserGuideAction(this);
    TimerInstAcrobat = UserGuide->TimerInstAcrobat;

    connect(BtnExit, &QPushButton::clicked, this, [] { PostPageNav(NAV_EXIT); });
    connect(BtnUG, &QPushButton::clicked, this, [this] { UserGuide->Run(); });
    connect(BtnStart, &QPushButton::clicked, this, [] { PostPageNav(NAV_NEXT); });
}

void TFrameWelcome::InitFrame() {
    ApplyPageSkin(this);
    TFrameBase::InitFrame();
}
