// TFrameLicense: the licence agreement page; Next only once the terms are accepted.
#pragma once

#include "wizard/framenavpage.h"

class QCheckBox;
class QGroupBox;
class QTextEdit;

class TFrameLicense : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameLicense(QWidget* parent = nullptr);

    // Going forward: passes itself over when skipped, accepted before or without a licence file;
    // otherwise loads the licence afresh and clears the acceptance.
    bool CanEnter(TFrameBase* from, int direction, LPARAM param) override;
    void AfterEnter(TFrameBase* from, int direction, LPARAM param) override;
    // Refuses to be left forward while the terms are not accepted; leaving with them accepted records it.
    bool CanLeave(TFrameBase* to, int direction, LPARAM param) override;

    QGroupBox* GBoxLicense;
    QTextEdit* REdtLicense;
    QCheckBox* ChkAccept;

private:
    // Loads the configured licence file into the box; false when none is configured or it is missing.
    bool LoadLicense();
    void ChkAcceptClick();
};
