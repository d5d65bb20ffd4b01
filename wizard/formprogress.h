// TFormProgress: the modal "please wait" window a page shows while it waits for the device.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class TTimer;

class TFormProgress : public QDialog {
    Q_OBJECT
public:
    explicit TFormProgress(QWidget* owner = nullptr);

    // Places the window over the window holding `control` (else the main window) and shows it modally;
    // returns the modal result (2 on the time-out), 0 when placing or showing fails.
    int ShowCentered(QWidget* control);
    // Ends the modal run with a result (1 success, 2 failure as the page defines).
    void SetModalResult(int result);

    // Starts the page's device request; runs on the first tick.
    std::function<void()> OnProcess;

    QLabel* ImgBG;
    QLabel* LbWait;
    QProgressBar* ProgressBar1;
    TTimer* TimerProc;

    // Ticks of 200 ms after the first one before the window gives up (about 300 s).
    static constexpr int kTimeoutTicks = 1500;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void TimerProcTimer();
    bool m_closing = false;
};
