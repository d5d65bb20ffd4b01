#include "platform/filelock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
int lockOrClose(int fd) {
    if (fd < 0) return -1;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}
} // namespace

namespace FileLock {
int OpenExistingLocked(const std::string& path) {
    return lockOrClose(open(path.c_str(), O_RDWR | O_CLOEXEC));
}

int CreateNewLocked(const std::string& path) {
    return lockOrClose(open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
}
} // namespace FileLock
