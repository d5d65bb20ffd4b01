#include "platform/filelock.h"
#include "platform/namedmutex.h"
#include "support/lockholder.h"
#include "support/tempdir.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
std::string uniqueName(const char* tag) {
    return std::string("corvana-test-") + tag + "-" + std::to_string(getpid());
}
} // namespace

TEST(NamedMutex, SecondProcessSeesItExistsUntilTheFirstEnds) {
    const std::string name = uniqueName("mutex") + "_Mutex";
    {
        LockHolder holder("mutex", name);
        ASSERT_EQ(holder.State(), "held");
        CNamedMutex mine;
        EXPECT_EQ(mine.Create(name), CNamedMutex::Result::AlreadyExists);
        EXPECT_FALSE(mine.Held());
    }
    CNamedMutex mine;
    EXPECT_EQ(mine.Create(name), CNamedMutex::Result::Created);
    LockHolder other("mutex", name);
    EXPECT_EQ(other.State(), "exists");
}

TEST(NamedMutex, DifferentNamesDoNotMeet) {
    CNamedMutex a, b;
    EXPECT_EQ(a.Create(uniqueName("a")), CNamedMutex::Result::Created);
    EXPECT_EQ(b.Create(uniqueName("b")), CNamedMutex::Result::Created);
}

TEST(NamedMutex, NamesWithSlashesStayInTheLockFolder) {
    const std::string path = CNamedMutex::LockFilePath("a/../b");
    EXPECT_EQ(path.find("/../"), std::string::npos);
}

TEST(FileLock, OnlyOneProcessWritesTheFile) {
    TestDir dir;
    dir.Write("x.Log", "");
    LockHolder holder("file", dir.Path("x.Log"));
    ASSERT_EQ(holder.State(), "held");
    EXPECT_EQ(FileLock::OpenExistingLocked(dir.Path("x.Log")), -1);
    const int fd = FileLock::CreateNewLocked(dir.Path("y.Log"));
    EXPECT_GE(fd, 0);
    EXPECT_EQ(FileLock::CreateNewLocked(dir.Path("y.Log")), -1); // never reuses an existing name
    close(fd);
}
