#include "launcher/formautorun.h"

#include "app/captions.h"
#include "app/formres.h"
#include "app/globalvar.h"
#include "controls/dragimage.h"
#include "controls/stateimage.h"
#include "controls/trifacebtn.h"
#include "platform/fonts.h"
#include "platform/shell.h"
#include "wizard/formmain.h"
#include "wizard/navigation.h"
#include "wizard/userguideaction.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

TFormAutorun* FormAutorun = nullptr;

namespace {
// The engine's result, time-out and event messages.
constexpr unsigned kFirstEngineMessage = WM_APP + 102;
constexpr unsigned kLastEngineMessage = WM_APP + 104;

QPixmap skin(const char* name) {
    return FormRes ? FormRes->Pixmap(name) : QPixmap();
}

TTrifaceBtn* faceButton(QWidget* owner, const char* name, int left, int top, int width, int height) {
    auto* b = new TTrifaceBtn(owner);
    b->setObjectName(QString::fromLatin1(name));
    b->SetBounds(left, top, width, height);
    return b;
}

// The second picture serves as the face under the mouse and as the pressed face; fuchsia is transparent.
void putFaces(TTrifaceBtn* button, const char* normal, const char* down) {
    const QPixmap face = skin(normal), other = skin(down);
    button->SetFace(face);
    button->SetFaceOver(other);
    button->SetFaceDown(other);
    button->SetTransColor(QColor(0xFF, 0x00, 0xFF));
    button->SetAutoShape(!face.isNull());
}

TStateImage* subButton(QWidget* owner, const char* name, int top) {
    auto* b = new TStateImage(owner);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(356, top, 197, 21);
    b->SetImageSource(TStateImage::isImages);
    b->SetImageStyle(TStateImage::isPlain);
    b->SetMouseOverEffect(true);
    b->hide();
    return b;
}

void putPictures(TStateImage* image, const char* normal, const char* over) {
    image->SetImage(0, skin(normal));
    image->SetImage(1, skin(over));
    image->Loaded();
}

void moveDown(QWidget* w, int dy) {
    w->move(w->x(), w->y() + dy);
}
} // namespace

TFormAutorun::TFormAutorun(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FormAutorun"));
    MarkAsContainer(this);
    setFixedSize(600, 450);
    QFont f(AppFontFamily());
    f.setPixelSize(11);
    setFont(f);

    ImgBG = new TDragImage(this);
    ImgBG->setObjectName(QStringLiteral("ImgBG"));
    ImgBG->setGeometry(0, 0, 600, 450);
    BtnSetupWizard = faceButton(this, "BtnSetupWizard", 356, 94, 197, 32);
    BtnUG = faceButton(this, "BtnUG", 356, 143, 197, 31);
    BtnUG_UG = subButton(this, "BtnUG_UG", 175);
    BtnUG_QIG = subButton(this, "BtnUG_QIG", 195);
    BtnProductReg = faceButton(this, "BtnProductReg", 356, 237, 197, 30);
    BtnExit = faceButton(this, "BtnExit", 356, 284, 197, 31);
    UserGuide = new TUserGuideAction(this);
    TimerInstAcrobat = UserGuide->TimerInstAcrobat;

    connect(BtnSetupWizard, &QPushButton::clicked, this, [this] { BtnSetupWizardClick(); });
    connect(BtnUG, &QPushButton::clicked, this, [this] { BtnUGClick(); });
    connect(BtnUG_UG, &TStateImage::OnClick, this, [this] { UserGuide->Run(); });
    connect(BtnUG_QIG, &TStateImage::OnClick, this, [this] { BtnUG_QIGClick(); });
    connect(BtnProductReg, &QPushButton::clicked, this, [this] { BtnProductRegClick(); });
    connect(BtnExit, &QPushButton::clicked, this, [this] { BtnExitClick(); });

    setWindowTitle(QString::fromUtf8(g_Var.AppTitle));
    if (g_Var.IniFile) {
        CIniLock lock(*g_Var.IniFile);
        LoadCaptions(this, "FormAutorun", lock.Reader());
    }
    ImgBG->setPixmap(skin("ImgBGAutorun"));
    putFaces(BtnSetupWizard, "ImgBtnSetupWizardN", "ImgBtnSetupWizardD");
    putFaces(BtnUG, "ImgBtnUGN", "ImgBtnUGD");
    putPictures(BtnUG_UG, "ImgBtnUG_UGN", "ImgBtnUG_UGD");
    putPictures(BtnUG_QIG, "ImgBtnUG_QIGN", "ImgBtnUG_QIGD");
    putFaces(BtnProductReg, "ImgBtnProductRegN", "ImgBtnProductRegD");
    putFaces(BtnExit, "ImgBtnExitN", "ImgBtnExitD");
    if (g_Var.IniFile) {
        CIniLock lock(*g_Var.IniFile);
        LoadLayout(this, "FormAutorun", lock.Reader());
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TFormAutorun::~TFormAutorun() {
    if (FormAutorun == this) FormAutorun = nullptr;
}

void TFormAutorun::WndProc(TMessage& msg) {
    const bool forWizard =
        msg.Msg == UM_PAGE_NAV || (msg.Msg >= kFirstEngineMessage && msg.Msg <= kLastEngineMessage);
    if (forWizard && FormMain) msg.Result = SendMessage(FormMain, msg.Msg, msg.WParam, msg.LParam);
    DefaultHandler(msg);
}

bool TFormAutorun::event(QEvent* e) {
    return DispatchMessageEvent(e) || QWidget::event(e);
}

void TFormAutorun::BtnSetupWizardClick() {
    if (!FormMain) return;
    // The start menu is hidden while the wizard runs; the wizard closing must not end the program.
    FormMain->setAttribute(Qt::WA_QuitOnClose, false);
    hide();
    if (FormMain->exec() == 1) {
        close();
        // Closing a hidden window does not end the loop by itself.
        QCoreApplication::quit();
    } else {
        show();
    }
}

void TFormAutorun::BtnUGClick() {
    m_guideMenuShown = !m_guideMenuShown;
    const int dy = m_guideMenuShown ? kGuideMenuShift : -kGuideMenuShift;
    moveDown(BtnProductReg, dy);
    moveDown(BtnExit, dy);
    BtnUG_UG->setVisible(m_guideMenuShown);
    BtnUG_QIG->setVisible(m_guideMenuShown);
}

// The folder is handed over as written: a relative path resolves against the working directory.
void TFormAutorun::BtnUG_QIGClick() {
    Shell::Service().Explore(g_Var.ReadIni("Product", "QIG", "QIG"));
}

void TFormAutorun::BtnProductRegClick() {
    const std::string address = g_Var.ReadIni("Product", "ProductReg", "");
    if (!address.empty()) Shell::Service().Open(address);
}

void TFormAutorun::BtnExitClick() {
    close();
}
