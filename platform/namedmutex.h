// Named single-instance marker: an flock on a lock file named after the mutex in $XDG_RUNTIME_DIR (else
// /tmp).
#pragma once

#include <string>

class CNamedMutex {
public:
    enum class Result { Created, AlreadyExists, Failed };

    CNamedMutex() = default;
    ~CNamedMutex();
    CNamedMutex(const CNamedMutex&) = delete;
    CNamedMutex& operator=(const CNamedMutex&) = delete;

    // Takes the marker for `name`; AlreadyExists when another process holds it.
    Result Create(const std::string& name);
    void Close();
    bool Held() const { return m_fd >= 0; }
    // The lock file that stands for `name`.
    static std::string LockFilePath(const std::string& name);

private:
    int m_fd = -1;
};
