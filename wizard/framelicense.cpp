#include "wizard/framelicense.h"

#include "app/globalvar.h"
#include "controls/trifacebtn.h"
#include "platform/fonts.h"
#include "wizard/licensetext.h"
#include "wizard/navigation.h"
#include "wizard/whitegroupbox.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QScrollBar>
#include <QTextEdit>

TFrameLicense::TFrameLicense(QWidget* parent) : TFrameNavPage(parent) {
    GBoxLicense = MakeWhiteGroupBox(this, "GBoxLicense", "License Agreement", QRect(25, 8, 550, 250));
    REdtLicense = new QTextEdit(GBoxLicense);
    REdtLicense->setObjectName(QStringLiteral("REdtLicense"));
    REdtLicense->setGeometry(10, 20, 530, 220);
    REdtLicense->setReadOnly(true);
    REdtLicense->setAcceptRichText(true);
    REdtLicense->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont text(AppFontFamily());
    text.setPixelSize(11);
    REdtLicense->setFont(text);

    ChkAccept = new QCheckBox(QStringLiteral("I accept the terms in the License Agreement."), this);
    ChkAccept->setObjectName(QStringLiteral("ChkAccept"));
    ChkAccept->setGeometry(35, 263, 480, 20);
    QFont bold = ChkAccept->font();
    bold.setBold(true);
    ChkAccept->setFont(bold);
    // Ticking by hand or from the code: Next follows the box either way.
    connect(ChkAccept, &QCheckBox::toggled, this, [this] { ChkAcceptClick(); });
}

bool TFrameLicense::CanEnter(TFrameBase* from, int direction, LPARAM param) {
    const bool skip = g_Var.ReadIniBool("Setting", "SkipLicense", false);
    if (direction == DIR_BACKWARD) {
        if (skip) BtnBackClick();
        return TFrameNavPage::CanEnter(from, direction, param);
    }
    if (!skip && !g_Var.LicenseAccepted && LoadLicense()) {
        ChkAccept->setChecked(false);
        return TFrameNavPage::CanEnter(from, direction, param);
    }
    // Skipped, accepted earlier in this run, or nothing to show: the page passes itself over.
    if (skip || !g_Var.LicenseAccepted) ChkAccept->setChecked(true);
    BtnNextClick();
    return true;
}

void TFrameLicense::AfterEnter(TFrameBase* from, int direction, LPARAM param) {
    BtnNext->setEnabled(ChkAccept->isChecked());
    TFrameNavPage::AfterEnter(from, direction, param);
}

bool TFrameLicense::CanLeave(TFrameBase* to, int direction, LPARAM param) {
    if (direction == DIR_FORWARD) {
        if (!ChkAccept->isChecked()) return false;
        g_Var.LicenseAccepted = true;
    }
    return TFrameNavPage::CanLeave(to, direction, param);
}

bool TFrameLicense::LoadLicense() {
    const std::string name = g_Var.ReadIni("Product", "License", "");
    if (name.empty()) return false;
    const std::string path = g_Var.AppPath + name;
    if (!QFileInfo(QString::fromStdString(path)).isFile()) return false;
    REdtLicense->clear();
    // A file that cannot be read counts as missing: there would be nothing to accept.
    if (!LoadLicenseText(path, *REdtLicense->document())) return false;
    // The text is read from its beginning.
    REdtLicense->moveCursor(QTextCursor::Start);
    REdtLicense->verticalScrollBar()->setValue(0);
    return true;
}

void TFrameLicense::ChkAcceptClick() {
    BtnNext->setEnabled(ChkAccept->isChecked());
}
