#include "platform/namedmutex.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
// The program never reaches a real network from a test.
const QStringList kLoopbackOnly = {QStringLiteral("--interface"), QStringLiteral("lo")};

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
        p.setArguments(kLoopbackOnly);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start();
        // A copy that got as far as its start menu runs until told to stop, as the session would.
        if (!p.waitForFinished(3000)) {
            p.terminate();
            if (!p.waitForFinished(60000)) return -1;
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    }
    std::string Log() const { return Dir.Read("corvana-setup.Log"); }
};

// True once the process has the product's single-instance lock file open.
bool holdsLockFile(qint64 pid, const std::string& mutexName) {
    const QString want = QString::fromStdString(CNamedMutex::LockFilePath(mutexName));
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        if (fd.symLinkTarget() == want) return true;
    return false;
}

std::string shortName(const char* tag) {
    return std::string("CorvanaTest") + tag + std::to_string(getpid());
}
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

TEST(Startup, TwoCopiesWithTheSameIniTheSecondEndsAtOnce) {
    const std::string name = shortName("D");
    Installed disc("[Product]\nShortName=" + name + "\n");
    disc.Dir.Write("corvana-setup.Log", "");
    QProcess first;
    first.setProgram(QString::fromStdString(disc.Dir.Path("corvana-setup")));
    first.setArguments(kLoopbackOnly);
    first.start();
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return holdsLockFile(first.processId(), name + "_Mutex"); }, 30000));
    QTest::qWait(200); // the lock is taken right after the file is opened

    EXPECT_EQ(disc.Run(), 0);
    // The first copy holds the log, so the second one writes to the first numbered name.
    EXPECT_NE(disc.Dir.Read("corvana-setup_000.Log").find("FAIL another instance is running"),
              std::string::npos);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    EXPECT_TRUE(first.waitForFinished(30000));
    EXPECT_EQ(first.exitCode(), 0);
}
