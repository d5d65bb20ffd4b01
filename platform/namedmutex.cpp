#include "platform/namedmutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

CNamedMutex::~CNamedMutex() {
    Close();
}

std::string CNamedMutex::LockFilePath(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string dir = runtime && *runtime ? runtime : "/tmp";
    // A mutex name may hold characters a file name cannot; map them to '_'.
    std::string file;
    for (char c : name)
        file += (c == '/' || c == '\0') ? '_' : c;
    return dir + "/" + file + ".lock";
}

CNamedMutex::Result CNamedMutex::Create(const std::string& name) {
    Close();
    if (name.empty()) return Result::Failed;
    const int fd = open(LockFilePath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return Result::Failed;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        close(fd);
        return err == EWOULDBLOCK ? Result::AlreadyExists : Result::Failed;
    }
    m_fd = fd;
    return Result::Created;
}

void CNamedMutex::Close() {
    if (m_fd >= 0) close(m_fd); // closing releases the flock
    m_fd = -1;
}
