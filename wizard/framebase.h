// TFrameBase: the base of every wizard page, with the six hooks a host uses to initialise and move pages.
#pragma once

#include "platform/message.h"

#include <QPointer>
#include <QWidget>
#include <string>

class TFrameBase : public QWidget, public CMessageReceiver {
    Q_OBJECT
public:
    explicit TFrameBase(QWidget* parent = nullptr);

    // Once, when the host is created: the page's texts from its ini section.
    virtual void InitFrame();
    // Once, when the host is destroyed.
    virtual void DoneFrame();
    // Before the page is shown; false refuses the move.
    virtual bool CanEnter(TFrameBase* from, int direction, LPARAM param);
    // After the page has been shown.
    virtual void AfterEnter(TFrameBase* from, int direction, LPARAM param);
    // Before the page is hidden; false refuses the move.
    virtual bool CanLeave(TFrameBase* to, int direction, LPARAM param);
    // After the page has been hidden.
    virtual void AfterLeave(TFrameBase* to, int direction, LPARAM param);

    // The page this one was last entered from going forward; none after it was left going back.
    TFrameBase* PrevFrame() const { return m_prevFrame; }

    // The ini section of the page's texts: its class name.
    virtual std::string SectionName() const;

protected:
    bool event(QEvent* e) override;

private:
    QPointer<TFrameBase> m_prevFrame;
};
