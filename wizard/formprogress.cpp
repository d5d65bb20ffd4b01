#include "wizard/formprogress.h"

#include "app/captions.h"
#include "app/formres.h"
#include "app/globalvar.h"
#include "platform/application.h"
#include "platform/timer.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>

TFormProgress::TFormProgress(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FormProgress"));
    MarkAsContainer(this);
    setFixedSize(190, 50);
    setStyleSheet(QStringLiteral("TFormProgress { background: white; }"));
    ImgBG = new QLabel(this);
    ImgBG->setObjectName(QStringLiteral("ImgBG"));
    ImgBG->setGeometry(0, 0, 190, 50);
    LbWait = new QLabel(QStringLiteral("Please wait..."), this);
    LbWait->setObjectName(QStringLiteral("LbWait"));
    LbWait->setGeometry(20, 8, 150, 13);
    QFont bold = LbWait->font();
    bold.setBold(true);
    LbWait->setFont(bold);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(20, 25, 150, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    TimerProc = new TTimer(this, 200, false);
    TimerProc->setObjectName(QStringLiteral("TimerProc"));
    TimerProc->OnTimer = [this](TTimer*) { TimerProcTimer(); };

    setWindowTitle(QString::fromUtf8(g_Var.AppTitle));
    if (g_Var.IniFile) {
        CIniLock lock(*g_Var.IniFile);
        LoadCaptions(this, "FormProgress", lock.Reader());
    }
    if (FormRes) ImgBG->setPixmap(FormRes->Pixmap("ImgBGProgress"));
    if (g_Var.IniFile) {
        CIniLock lock(*g_Var.IniFile);
        LoadLayout(this, "FormProgress", lock.Reader());
    }
}

int TFormProgress::ShowCentered(QWidget* control) {
    try {
        QWidget* host = control ? control->window() : nullptr;
        if (!host) host = qobject_cast<QWidget*>(TApplication::Instance().MainForm());
        if (host) {
            const QRect h = host->frameGeometry();
            move(h.left() + (h.width() - width()) / 2, h.top() + (h.height() - height()) / 2);
        }
        return exec();
    } catch (...) {
        return 0;
    }
}

void TFormProgress::SetModalResult(int result) {
    TimerProc->SetEnabled(false);
    m_closing = true;
    done(result);
    m_closing = false;
}

void TFormProgress::showEvent(QShowEvent* e) {
    TimerProc->Tag = 0;
    TimerProc->SetEnabled(true);
    QDialog::showEvent(e);
}

void TFormProgress::TimerProcTimer() {
    const int next = ProgressBar1->value() + 1;
    ProgressBar1->setValue(next > ProgressBar1->maximum() ? ProgressBar1->minimum() : next);
    if (TimerProc->Tag == 0) {
        // The time-out counts from the end of the request's start, however long that takes.
        TimerProc->SetEnabled(false);
        TimerProc->Tag = 1;
        if (OnProcess) OnProcess();
        if (isVisible()) TimerProc->SetEnabled(true);
        return;
    }
    if (++TimerProc->Tag > kTimeoutTicks) SetModalResult(2);
}

// Alt+F4 and Escape do not close the window; only the page's result or the time-out does.
void TFormProgress::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F4 && (e->modifiers() & Qt::AltModifier)) return e->accept();
    if (e->key() == Qt::Key_Escape) return e->accept();
    QDialog::keyPressEvent(e);
}

void TFormProgress::closeEvent(QCloseEvent* e) {
    if (m_closing) return QDialog::closeEvent(e);
    e->ignore();
}

void TFormProgress::reject() {}
