#include "platform/namedmutex.h"
#include "support/tempdir.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
// A copy of the program in its own folder, as on a disc.
struct Installed {
    TestDir Dir;
    explicit Installed(const std::string& ini) {
        QFile::copy(QStringLiteral(CORVANA_SETUP), QString::fromStdString(Dir.Path("corvana-setup")));
        QFile::setPermissions(QString::fromStdString(Dir.Path("corvana-setup")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!ini.empty()) Dir.Write("corvana-setup.ini", ini);
    }
    int Run() const {
        QProcess p;
        p.setProgram(QString::fromStdString(Dir.Path("corvana-setup")));
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start();
        // A copy that got as far as its start menu runs until told to stop, as the session would.
        if (!p.waitForFinished(3000)) p.terminate();
        if (!p.waitForFinished(60000)) return -1;
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    }
    std::string Log() const { return Dir.Read("corvana-setup.Log"); }
};

std::string shortName(const char* tag) { return std::string("CorvanaTest") + tag + std::to_string(getpid()); }
} // namespace

TEST(Startup, LogFileBesideTheProgramGetsTheStartLine) {
    Installed disc("[Product]\nShortName=" + shortName("A") + "\n");
    disc.Dir.Write("corvana-setup.Log", "");
    EXPECT_EQ(disc.Run(), 0);
    const std::string log = disc.Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.substr(0, 3), "\r\n(");
    EXPECT_NE(log.find(") == START LOG ==\r\n"), std::string::npos);
}

TEST(Startup, WithoutLogFileNothingIsCreated) {
    Installed disc("");
    EXPECT_EQ(disc.Run(), 0);
    EXPECT_EQ(disc.Dir.Files().size(), 1); // the program only
}

TEST(Startup, SecondCopyForTheSameProductEndsQuietly) {
    const std::string name = shortName("B");
    Installed disc("[Product]\nShortName=" + name + "\n");
    disc.Dir.Write("corvana-setup.Log", "");
    CNamedMutex running; // stands for the first copy, which holds the product's marker
    ASSERT_EQ(running.Create(name + "_Mutex"), CNamedMutex::Result::Created);
    EXPECT_EQ(disc.Run(), 0);
    EXPECT_NE(disc.Log().find("FAIL another instance is running"), std::string::npos);

    Installed other("[Product]\nShortName=" + shortName("C") + "\n");
    other.Dir.Write("corvana-setup.Log", "");
    EXPECT_EQ(other.Run(), 0);
    EXPECT_EQ(other.Log().find("FAIL"), std::string::npos);
}
