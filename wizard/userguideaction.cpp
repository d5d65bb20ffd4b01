#include "wizard/userguideaction.h"

#include "app/globalvar.h"
#include "app/messages.h"
#include "platform/shell.h"
#include "platform/timer.h"

TUserGuideAction::TUserGuideAction(QObject* owner) : QObject(owner) {
    setObjectName(QStringLiteral("UserGuideAction"));
    TimerInstAcrobat = new TTimer(this, kFirstCheckMs, false);
    TimerInstAcrobat->setObjectName(QStringLiteral("TimerInstAcrobat"));
    TimerInstAcrobat->OnTimer = [this](TTimer*) { TimerInstAcrobatTimer(); };
}

void TUserGuideAction::Run() {
    switch (g_Var.OpenUserGuide()) {
    case 2:
        ShowMessage("ER_FILE_UG");
        break;
    case 3:
        // While an installation is being watched the guide opens by itself once the installer is gone.
        if (!TimerInstAcrobat->Enabled()) OfferReaderInstallation();
        break;
    default:
        break;
    }
}

void TUserGuideAction::OfferReaderInstallation() {
    if (!AskQuestion("MSG_InstAcrobat")) return;
    if (!g_Var.AcrobatReader.empty() && Shell::Service().StartFile(g_Var.AcrobatReader)) {
        TimerInstAcrobat->SetInterval(kFirstCheckMs);
        TimerInstAcrobat->SetEnabled(true);
    } else {
        ShowMessage("ER_FILE_Acrobat");
    }
}

void TUserGuideAction::TimerInstAcrobatTimer() {
    if (Shell::Service().FindWindowByTitle(g_Var.AcrobatReaderTitle)) {
        TimerInstAcrobat->SetInterval(kPollMs);
        return;
    }
    if (InstallerMisses++ < 3) return;
    TimerInstAcrobat->SetEnabled(false);
    InstallerMisses = 0;
    // Nothing is shown when the guide still cannot be opened after the installation.
    g_Var.OpenUserGuide();
}
