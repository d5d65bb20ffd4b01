#include "app/captions.h"
#include "support/tempdir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
template <class T> T* make(QWidget* parent, const char* name) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A small window with a page inside, built like the program's windows.
struct Window {
    QWidget Form;
    QLabel* Label;
    QGroupBox* Group;
    QCheckBox* Check;
    QPushButton* Button;
    QLineEdit* Edit;
    QTreeWidget* List;
    QWidget* Page;
    QLabel* PageLabel;
    QAction* Item;
    Window() {
        Form.setObjectName(QStringLiteral("FormMain"));
        Form.setWindowTitle(QStringLiteral("Built title"));
        MarkAsContainer(&Form);
        Label = make<QLabel>(&Form, "LbInfo1");
        Label->setText(QStringLiteral("built label"));
        Group = make<QGroupBox>(&Form, "GrpSettings");
        Group->setTitle(QStringLiteral("Settings"));
        Check = make<QCheckBox>(Group, "ChkAccept"); // inside a group box, still owned by the window
        Check->setText(QStringLiteral("built check"));
        Button = make<QPushButton>(&Form, "BtnNext");
        Button->setGeometry(480, 290, 85, 21);
        Edit = make<QLineEdit>(&Form, "EdtSSID");
        Edit->setText(QStringLiteral("typed"));
        List = make<QTreeWidget>(&Form, "LvDevices");
        List->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("MAC")});
        Page = make<QWidget>(&Form, "FrameDevList1");
        MarkAsContainer(Page);
        PageLabel = make<QLabel>(Page, "LbInfo1");
        PageLabel->setText(QStringLiteral("page label"));
        PageLabel->setGeometry(1, 2, 3, 4);
        Item = new QAction(QStringLiteral("built item"), &Form);
        Item->setObjectName(QStringLiteral("MnuOpen"));
    }
};
} // namespace

TEST(LoadCaptions, ReadsEachKindAndLeavesOthersAlone) {
    TestDir dir;
    dir.Write("a.ini", "[FormMain]\nFormMain=Wizard\nLbInfo1=Hello\nChkAccept=I accept\nBtnNext=Go\n"
                       "EdtSSID=not a caption\nLvDevices_Col1=Address\nMnuOpen=Open it\n");
    CIniReader reader(dir.Path("a.ini"));
    Window w;
    LoadCaptions(&w.Form, "FormMain", reader);
    EXPECT_EQ(w.Form.windowTitle(), QStringLiteral("Wizard"));
    EXPECT_EQ(w.Label->text(), QStringLiteral("Hello"));
    EXPECT_EQ(w.Check->text(), QStringLiteral("I accept"));
    EXPECT_EQ(w.Button->text(), QStringLiteral("Go"));
    EXPECT_EQ(w.Edit->text(), QStringLiteral("typed"));
    EXPECT_EQ(w.List->headerItem()->text(0), QStringLiteral("Name"));
    EXPECT_EQ(w.List->headerItem()->text(1), QStringLiteral("Address"));
    EXPECT_EQ(w.Item->text(), QStringLiteral("Open it"));
    EXPECT_EQ(w.PageLabel->text(), QStringLiteral("page label")); // nested pages load their own texts
    EXPECT_EQ(w.Group->title(), QStringLiteral(" Settings "));
}

TEST(LoadCaptions, GroupBoxCaptionsArePaddedOnce) {
    struct Case {
        const char* Ini;
        const char* Expected;
    } cases[] = {{"", " Settings "},
                 {"[F]\nGrpSettings=\" Settings \"\n", " Settings "},
                 {"[F]\nGrpSettings= Other\n", " Other "},
                 {"[F]\nGrpSettings=\n", ""}};
    for (const auto& c : cases) {
        TestDir dir;
        dir.Write("a.ini", c.Ini);
        CIniReader reader(dir.Path("a.ini"));
        Window w;
        LoadCaptions(&w.Form, "F", reader);
        EXPECT_EQ(w.Group->title().toStdString(), c.Expected) << c.Ini;
    }
}

TEST(LoadLayout, PositionsAndVisibilityIncludingNestedPages) {
    struct Case {
        const char* Value;
        QRect Expected;
    } cases[] = {
        {"10,20", QRect(10, 20, 85, 21)}, {"10,20,abc,40", QRect(10, 20, 40, 21)},
        {"1 2 3 4 5", QRect(1, 2, 3, 4)}, {"  ", QRect(480, 290, 85, 21)},
        {"", QRect(480, 290, 85, 21)},    {"x,y", QRect(480, 290, 85, 21)},
    };
    for (const auto& c : cases) {
        TestDir dir;
        dir.Write("a.ini",
                  std::string("[FormMain_CtrlPos]\nBtnNext=") + c.Value +
                      "\n[FormMain_FrameDevList1_CtrlPos]\nLbInfo1=7,8\n"
                      "[FormMain_FrameDevList1_Visible]\nLbInfo1=0\n[FormMain_Visible]\nMnuOpen=0\n");
        CIniReader reader(dir.Path("a.ini"));
        Window w;
        LoadLayout(&w.Form, "FormMain", reader);
        EXPECT_EQ(w.Button->geometry(), c.Expected) << c.Value;
        EXPECT_FALSE(w.Button->isHidden());
        EXPECT_EQ(w.PageLabel->geometry(), QRect(7, 8, 3, 4));
        EXPECT_TRUE(w.PageLabel->isHidden());
        EXPECT_FALSE(w.Item->isVisible());
    }
}

TEST(Controls, SelectComboByTag) {
    QComboBox combo;
    combo.addItem(QStringLiteral("b only"), 1);
    combo.addItem(QStringLiteral("b/g/n"), 9);
    combo.addItem(QStringLiteral("again"), 9);
    combo.setCurrentIndex(0);
    EXPECT_TRUE(SelectComboByTag(&combo, 9));
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_FALSE(SelectComboByTag(&combo, 4));
    EXPECT_EQ(combo.currentIndex(), 1);
}

TEST(Controls, SafeSetFocusOnlyWhenItCan) {
    QWidget window;
    auto* edit = make<QLineEdit>(&window, "EdtKey");
    SafeSetFocus(edit); // window not shown: nothing happens, nothing raised
    SafeSetFocus(nullptr);
    EXPECT_EQ(window.focusWidget(), nullptr);
    window.show();
    edit->setEnabled(false);
    SafeSetFocus(edit);
    EXPECT_EQ(window.focusWidget(), nullptr);
    edit->setEnabled(true);
    SafeSetFocus(edit);
    EXPECT_EQ(window.focusWidget(), edit);
}
