#include "wizard/framesetupmethod.h"

#include <QRadioButton>

TFrameSetupMethod::TFrameSetupMethod(QWidget* parent) : TFrameNavPage(parent) {
    RBtnDHCP = new QRadioButton(QStringLiteral("Obtain an IP address automatically (DHCP)"), this);
    RBtnDHCP->setObjectName(QStringLiteral("RBtnDHCP"));
    RBtnDHCP->setGeometry(60, 80, 400, 20);
    RBtnDHCP->setChecked(true);
    RBtnSetIP = new QRadioButton(QStringLiteral("Set a static IP address"), this);
    RBtnSetIP->setObjectName(QStringLiteral("RBtnSetIP"));
    RBtnSetIP->setGeometry(60, 110, 400, 20);
}

bool TFrameSetupMethod::IsStaticIPChosen() const {
    return RBtnSetIP->isChecked();
}
