#include "wizard/framebase.h"

#include "app/captions.h"
#include "app/globalvar.h"
#include "wizard/navigation.h"

#include "platform/application.h"

void PostPageNav(int nav) {
    PostMessage(TApplication::Instance().MainForm(), UM_PAGE_NAV, static_cast<WPARAM>(nav), 0);
}

TFrameBase::TFrameBase(QWidget* parent) : QWidget(parent) {
    MarkAsContainer(this);
}

std::string TFrameBase::SectionName() const {
    return metaObject()->className();
}

void TFrameBase::InitFrame() {
    if (!g_Var.IniFile) return;
    CIniLock lock(*g_Var.IniFile);
    LoadCaptions(this, SectionName(), lock.Reader());
}

void TFrameBase::DoneFrame() {}

bool TFrameBase::CanEnter(TFrameBase* from, int direction, LPARAM) {
    if (direction == DIR_FORWARD) m_prevFrame = from;
    return true;
}

void TFrameBase::AfterEnter(TFrameBase*, int, LPARAM) {}

bool TFrameBase::CanLeave(TFrameBase*, int direction, LPARAM) {
    if (direction == DIR_BACKWARD) m_prevFrame = nullptr;
    return true;
}

void TFrameBase::AfterLeave(TFrameBase*, int, LPARAM) {}

bool TFrameBase::event(QEvent* e) {
    return DispatchMessageEvent(e) || QWidget::event(e);
}
