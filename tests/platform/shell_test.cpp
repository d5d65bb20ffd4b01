#include "platform/shell.h"
#include "support/tempdir.h"

#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
// Puts fake xdg-open and xdg-mime scripts first on PATH; xdg-open records its argument.
class FakeDesktop {
public:
    explicit FakeDesktop(const std::string& mimeDefault) {
        m_oldPath = qgetenv("PATH");
        script("xdg-open", "#!/bin/sh\necho \"$1\" >> '" + m_dir.Path("opened") + "'\n");
        script("xdg-mime", "#!/bin/sh\n[ -n '" + mimeDefault + "' ] && echo '" + mimeDefault + "'\nexit 0\n");
        qputenv("PATH", QByteArray::fromStdString(m_dir.Path("bin")) + ":" + m_oldPath);
    }
    ~FakeDesktop() { qputenv("PATH", m_oldPath); }
    std::string Opened() {
        (void)QTest::qWaitFor([&] { return !m_dir.Read("opened").empty(); }, 5000);
        return m_dir.Read("opened");
    }
    const TestDir& Dir() const { return m_dir; }

private:
    void script(const std::string& name, const std::string& body) {
        QDir().mkpath(QString::fromStdString(m_dir.Path("bin")));
        m_dir.Write("bin/" + name, body);
        chmod(m_dir.Path("bin/" + name).c_str(), 0755);
    }
    TestDir m_dir;
    QByteArray m_oldPath;
};
} // namespace

TEST(SystemShell, OpenHandsTheTargetToTheDesktopOpener) {
    FakeDesktop desktop("");
    auto shell = MakeSystemShell();
    EXPECT_TRUE(shell->Open("https://example.invalid/register"));
    EXPECT_EQ(desktop.Opened(), "https://example.invalid/register\n");
}

TEST(SystemShell, ExploreOpensTheFolder) {
    FakeDesktop desktop("");
    auto shell = MakeSystemShell();
    EXPECT_TRUE(shell->Explore("QIG"));
    EXPECT_EQ(desktop.Opened(), "QIG\n");
}

TEST(SystemShell, AssociationFollowsTheDesktopDefault) {
    struct Case {
        const char* MimeDefault;
        bool Expected;
    } cases[] = {{"reader.desktop", true}, {"", false}};
    for (const auto& c : cases) {
        FakeDesktop desktop(c.MimeDefault);
        desktop.Dir().Write("guide.pdf", "%PDF-1.4\n");
        EXPECT_EQ(MakeSystemShell()->HasAssociatedProgram(desktop.Dir().Path("guide.pdf")), c.Expected)
            << c.MimeDefault;
    }
}

TEST(SystemShell, StartFileRunsAProgramAndRefusesAMissingOne) {
    FakeDesktop desktop("");
    desktop.Dir().Write("installer.sh", "#!/bin/sh\ntouch '" + desktop.Dir().Path("ran") + "'\n");
    chmod(desktop.Dir().Path("installer.sh").c_str(), 0755);
    auto shell = MakeSystemShell();
    EXPECT_TRUE(shell->StartFile(desktop.Dir().Path("installer.sh")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return desktop.Dir().Exists("ran"); }, 5000));
    EXPECT_FALSE(shell->StartFile(desktop.Dir().Path("missing.exe")));
}

TEST(SystemShell, NoWindowIsFoundWithoutAnX11Display) {
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    EXPECT_FALSE(MakeSystemShell()->FindWindowByTitle("Reader Setup"));
    if (!display.isEmpty()) qputenv("DISPLAY", display);
}
