#include "app/debug.h"
#include "support/lockholder.h"
#include "support/tempdir.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const QRegularExpression kLine(QStringLiteral("^\\(\\d\\d:\\d\\d:\\d\\d:\\d\\d\\d 0x[0-9A-F]+\\) (.*)$"));

// The lines after the first raw line break of a log file.
QStringList linesOf(const std::string& content) {
    QStringList lines = QString::fromStdString(content).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}
} // namespace

TEST(DebugLog, NoLogFileMeansNothingIsWrittenAnywhere) {
    TestDir dir;
    {
        CDebug log(dir.Path("Setup"));
        EXPECT_FALSE(log.Enabled());
        log.WriteLine("ignored");
    }
    EXPECT_TRUE(dir.Files().isEmpty());
}

TEST(DebugLog, EmptyLogFileGetsABreakAndATimeStampedStartLine) {
    TestDir dir;
    dir.Write("Setup.Log", "");
    for (int run = 0; run < 2; ++run) {
        CDebug log(dir.Path("Setup.exe"));
        ASSERT_TRUE(log.Enabled());
        log.WriteLine("run " + std::to_string(run));
    }
    const QStringList lines = linesOf(dir.Read("Setup.Log"));
    ASSERT_EQ(lines.size(), 6);
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(lines[run * 3], QString()); // the raw line break before each start
        const auto start = kLine.match(lines[run * 3 + 1]);
        ASSERT_TRUE(start.hasMatch()) << lines[run * 3 + 1].toStdString();
        EXPECT_EQ(start.captured(1), QStringLiteral("== START LOG =="));
        EXPECT_EQ(kLine.match(lines[run * 3 + 2]).captured(1), QStringLiteral("run %1").arg(run));
    }
}

TEST(DebugLog, ProgramWithoutExtensionUsesNameDotLog) {
    TestDir dir;
    dir.Write("corvana-setup.Log", "");
    CDebug log(dir.Path("corvana-setup"));
    EXPECT_EQ(log.Path(), dir.Path("corvana-setup.Log"));
    EXPECT_TRUE(log.Enabled());
}

TEST(DebugLog, HeldLogFallsBackToNumberedNames) {
    TestDir dir;
    dir.Write("Setup.Log", "");
    dir.Write("Setup_000.Log", "older run");
    LockHolder holder("file", dir.Path("Setup.Log"));
    ASSERT_EQ(holder.State(), "held");
    CDebug second(dir.Path("Setup.exe"));
    EXPECT_EQ(second.Path(), dir.Path("Setup_001.Log"));
    second.WriteLine("second copy");
    EXPECT_EQ(dir.Read("Setup_000.Log"), "older run");
    EXPECT_NE(dir.Read("Setup_001.Log").find("second copy"), std::string::npos);
    EXPECT_EQ(dir.Read("Setup.Log"), "");
}

TEST(DebugLog, AllHundredFallbacksTakenLeavesLoggingOff) {
    TestDir dir;
    dir.Write("Setup.Log", "");
    for (int n = 0; n < 100; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "Setup_%03d.Log", n);
        dir.Write(name, "");
    }
    LockHolder holder("file", dir.Path("Setup.Log"));
    CDebug second(dir.Path("Setup.exe"));
    EXPECT_FALSE(second.Enabled());
    EXPECT_EQ(dir.Files().size(), 101);
}

TEST(DebugLog, FormatsAreNeverCutAndPercentWithoutArgumentsIsHarmless) {
    TestDir dir;
    dir.Write("p.Log", "");
    CDebug log(dir.Path("p"));
    RedirectLog(&log);
    const std::string longText(3000, 'x');
    Log("%s|%d", longText.c_str(), 42);
    LogText("100% done %s %n");
    RedirectLog(nullptr);
    const QStringList lines = linesOf(dir.Read("p.Log"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(kLine.match(lines[2]).captured(1).toStdString(), longText + "|42");
    EXPECT_EQ(kLine.match(lines[3]).captured(1), QStringLiteral("100% done %s %n"));
}
