// Test helper process: takes a named mutex or a file lock, says "held" (or why not) and keeps it until stdin
// ends.
#include "platform/filelock.h"
#include "platform/namedmutex.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    CNamedMutex mutex;
    int fd = -1;
    const char* state;
    if (std::strcmp(argv[1], "mutex") == 0) {
        const auto r = mutex.Create(argv[2]);
        state = r == CNamedMutex::Result::Created         ? "held"
                : r == CNamedMutex::Result::AlreadyExists ? "exists"
                                                          : "failed";
    } else {
        fd = FileLock::OpenExistingLocked(argv[2]);
        state = fd >= 0 ? "held" : "failed";
    }
    std::printf("%s\n", state);
    std::fflush(stdout);
    char c;
    while (read(0, &c, 1) > 0) {
    }
    if (fd >= 0) close(fd);
    return 0;
}
