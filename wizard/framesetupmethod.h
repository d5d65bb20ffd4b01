// TFrameSetupMethod: the set-up method page - keep an automatic address or set a static one.
#pragma once

#include "wizard/framenavpage.h"

class QRadioButton;

class TFrameSetupMethod : public TFrameNavPage {
    Q_OBJECT
public:
    explicit TFrameSetupMethod(QWidget* parent = nullptr);

    // Whether the static IP choice is selected; the wizard window routes by it.
    bool IsStaticIPChosen() const;

    QRadioButton* RBtnDHCP;
    QRadioButton* RBtnSetIP;
};
