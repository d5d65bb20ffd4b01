#include "app/globalvar.h"
#include "app/messages.h"
#include "platform/prompt_scripted.h"
#include "platform/shell.h"
#include "support/fakeshell.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

namespace {
// Loads g_Var from an ini beside a program named "Setup" in a fresh folder.
struct Config {
    TestDir Dir;
    explicit Config(const std::string& ini = std::string()) {
        if (!ini.empty()) Dir.Write("Setup.ini", ini);
        g_Var.LoadConfig(Dir.Path("Setup"));
    }
    ~Config() { g_Var.LoadConfig("/nonexistent/Setup"); }
};
} // namespace

TEST(GlobalVar, NoIniFileGivesTheBuiltInDefaults) {
    Config c;
    EXPECT_EQ(g_Var.AppPath, c.Dir.Path());
    EXPECT_EQ(g_Var.ShortName, "QVN-514WBR");
    EXPECT_EQ(g_Var.MutexName, "QVN-514WBR_Mutex");
    EXPECT_EQ(g_Var.AppTitle, "Setup");
    EXPECT_EQ(g_Var.MsgTitle, "Setup");
    EXPECT_EQ(g_Var.AcrobatReader, "");
    EXPECT_EQ(g_Var.AcrobatReaderTitle, "Adobe Reader 7.0.5 - Setup");
    EXPECT_EQ(g_Var.Password, "pylon");
    EXPECT_FALSE(g_Var.NonWorking);
    EXPECT_FALSE(g_Var.LicenseAccepted);
    EXPECT_EQ(g_Var.SecurityStr[2], "WPA-PSK");
    EXPECT_EQ(g_Var.WlModeStr[9], "2.4GHz 802.11 b/g/n mixed mode");
    EXPECT_EQ(MessageText("ER_LOGIN"), "Unable to login the deivce.");
    EXPECT_TRUE(c.Dir.Files().isEmpty());
}

TEST(GlobalVar, ProductValuesAndTheirFallbacks) {
    Config c("[Product]\nAppTitle=My Wizard\nAcrobatReader=Reader/setup.exe\n[String]\nWEP128=128-bit\n");
    EXPECT_EQ(g_Var.MsgTitle, "My Wizard"); // MsgTitle absent: the title read just before
    EXPECT_EQ(g_Var.AcrobatReader, c.Dir.Path("Reader/setup.exe"));
    EXPECT_EQ(g_Var.WepLenStr[1], "128-bit");
    EXPECT_EQ(g_Var.WepLenStr[0], "64 bit");
}

TEST(GlobalVar, NonWorkingIsReadAsANumber) {
    struct Case {
        const char* Value;
        bool Expected;
    } cases[] = {{"1", true}, {"7", true}, {"0x10", true}, {"0", false}, {"yes", false}, {"", false}};
    for (const auto& k : cases) {
        Config c(std::string("[Setting]\nNonWorking=") + k.Value + "\n");
        EXPECT_EQ(g_Var.NonWorking, k.Expected) << k.Value;
    }
}

TEST(GlobalVar, ResetRecordsUseTheConfiguredNetworkNameCutTo32) {
    Config c("[Setting]\nSSID=" + std::string(40, 'n') + "\n");
    tag_WL_PROFILE a, b;
    a.WlMode = 5;
    std::memset(a.WepKey, 'k', sizeof a.WepKey);
    g_Var.ResetWlProfile(a);
    g_Var.ResetWlProfile(b);
    EXPECT_EQ(FieldText(a.SSID), std::string(32, 'n'));
    EXPECT_EQ(a.WlMode, 5); // kept
    EXPECT_EQ(a.AuthMode, 2);
    EXPECT_EQ(a.WepKeyIndex, 1);
    EXPECT_EQ(a.WpaMode, 2);
    EXPECT_EQ(a.WpaCipher, 2);
    EXPECT_EQ(FieldText(a.WepKey), "");
    b.WlMode = 5;
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);

    tag_IP_SETTING ip{0, 1, 2, 3, 4, 5};
    g_Var.ResetIPSetting(ip);
    EXPECT_EQ(ip, (tag_IP_SETTING{1, 0, 0, 0, 0, 0}));
}

TEST(Messages, WepMessagesFallBackToTheWepKeyText) {
    {
        Config c("[Message]\nER_WEPKey=Bad key\nER_WEP128=Bad 128\n");
        EXPECT_EQ(MessageText("ER_WEP64"), "Bad key");
        EXPECT_EQ(MessageText("ER_WEP128"), "Bad 128");
    }
    Config c;
    EXPECT_EQ(MessageText("ER_WEP64Hex"), "You have entered an incorrect WEP key. Please try again.");
}

TEST(Messages, BoxesCarryTheMessageTitleAndTheirKind) {
    Config c("[Product]\nMsgTitle=Titled\n[Message]\nMSG_Exit=Leave?\n");
    CScriptedPromptGuard prompt;
    prompt->Answers = {IDNO};
    EXPECT_FALSE(AskQuestion("MSG_Exit"));
    ShowMessage("ER_CONNECT");
    ASSERT_EQ(prompt->Shown.size(), 2u);
    EXPECT_EQ(prompt->Shown[0].Kind, PromptKind::Question);
    EXPECT_EQ(prompt->Shown[0].Text, "Leave?");
    EXPECT_EQ(prompt->Shown[1].Kind, PromptKind::Information);
    EXPECT_EQ(prompt->Shown[1].Text, "Unable to connect to the device.");
    EXPECT_EQ(prompt->Shown[1].Caption, "Titled");
}

TEST(GlobalVar, OpenUserGuideResults) {
    struct Case {
        const char* Ini;
        bool CreateFile, Associated, OpenWorks;
        int Expected;
        bool ShellAsked;
    } cases[] = {
        {"", false, true, true, 2, false},
        {"[Product]\nUserGuide=UG/guide.pdf\n", false, true, true, 2, false},
        {"[Product]\nUserGuide=UG/guide.pdf\n", true, false, true, 3, true},
        {"[Product]\nUserGuide=UG/guide.pdf\n", true, true, false, 2, true},
        {"[Product]\nUserGuide=UG/guide.pdf\n", true, true, true, 0, true},
    };
    for (const auto& k : cases) {
        Config c(k.Ini);
        if (k.CreateFile) {
            QDir().mkpath(QString::fromStdString(c.Dir.Path("UG")));
            c.Dir.Write("UG/guide.pdf", "%PDF");
        }
        FakeShellGuard shell;
        shell->Associated = k.Associated;
        shell->OpenResult = k.OpenWorks;
        EXPECT_EQ(g_Var.OpenUserGuide(), k.Expected) << k.Ini << k.CreateFile << k.Associated;
        EXPECT_EQ(!shell->Calls.empty(), k.ShellAsked);
        if (k.Expected == 0) {
            EXPECT_EQ(shell->Calls.back(), "open " + c.Dir.Path("UG/guide.pdf"));
        }
    }
}
