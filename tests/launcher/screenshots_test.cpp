// Renders the start menu, the wizard's information pages and the progress window to PNG files, so a
// person can look at them (build folder, screenshots/).
#include "controls/trifacebtn.h"
#include "menufixture.h"
#include "platform/fonts.h"
#include "wizard/formprogress.h"
#include "wizard/framelicense.h"
#include "wizard/navigation.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {
void save(QWidget* w, const char* name, QSize size) {
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    const QPixmap shot = w->grab();
    EXPECT_EQ(shot.size(), size) << name;
    EXPECT_TRUE(shot.save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(QLatin1String(name)))) << name;
}

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}
} // namespace

TEST(Screenshots, StartMenuWizardPagesAndProgressWindow) {
    // The product's font: the Tahoma-compatible face when the system has one, at 8 point.
    QFont font(RegisterAppFont());
    font.setPointSize(8);
    QApplication::setFont(font);

    MenuFixture m(MenuFixture::OnDisc{SAMPLE_DISC "/corvana-setup"});
    save(FormAutorun, "startmenu_closed", {600, 450});
    click(FormAutorun->BtnUG);
    save(FormAutorun, "startmenu_open", {600, 450});

    FormMain->show();
    MenuFixture::Settle();
    ASSERT_EQ(FormMain->CurFrame(), FormMain->Page(PageId::License));
    EXPECT_FALSE(FormMain->FrameLicense1->REdtLicense->toPlainText().isEmpty());
    save(FormMain, "wizard_licence", {600, 450});
    click(FormMain->FrameLicense1->ChkAccept);
    save(FormMain, "wizard_licence_accepted", {600, 450});
    click(FormMain->FrameLicense1->BtnNext);
    MenuFixture::Settle();
    ASSERT_EQ(FormMain->CurFrame(), FormMain->Page(PageId::Tutorial));
    save(FormMain, "wizard_tutorial", {600, 450});
    PostPageNav(NAV_NEXT);
    MenuFixture::Settle();
    ASSERT_EQ(FormMain->CurFrame(), FormMain->Page(PageId::Tutorial2));
    save(FormMain, "wizard_tutorial2", {600, 450});
    ASSERT_TRUE(FormMain->SwitchFrame(FormMain->Page(PageId::Welcome), DIR_BACKWARD, 0));
    save(FormMain, "wizard_welcome", {600, 450});
    FormMain->hide();

    TFormProgress progress;
    progress.show();
    save(&progress, "progress", {190, 50});
    progress.hide();
}
