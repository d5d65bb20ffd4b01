// TUserGuideAction: opening the user guide, offering the reader installation, and watching the installer.
#pragma once

#include <QObject>

class TTimer;

// Shared by the start menu window and the welcome page; each owner has its own timer and miss counter.
class TUserGuideAction : public QObject {
    Q_OBJECT
public:
    explicit TUserGuideAction(QObject* owner);

    // Opens the user guide. When it cannot be opened, says so; when no program reads it, offers to run
    // the reader's installer and then watches the installer (unless a watch is already running).
    void Run();

    // The installer watch: first check 10 s after the installer started, then every second while its
    // window is up; the fourth check without the window opens the guide.
    TTimer* TimerInstAcrobat;
    // Checks on which the installer's window was not found, over the whole watch.
    int InstallerMisses = 0;

    static constexpr unsigned kFirstCheckMs = 10000;
    static constexpr unsigned kPollMs = 1000;

private:
    void OfferReaderInstallation();
    void TimerInstAcrobatTimer();
};
