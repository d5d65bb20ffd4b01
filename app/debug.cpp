#include "app/debug.h"

#include "platform/filelock.h"
#include "platform/modulepath.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <sys/time.h>
#include <vector>

CDebug::CDebug(const std::string& programPath) {
    const std::string program = programPath.empty() ? ModuleFileName() : programPath;
    if (program.empty()) return;
    m_path = ChangeFileExt(program, ".Log");
    if (!FileExists(m_path)) return; // logging is switched on only by an existing file
    m_fd = FileLock::OpenExistingLocked(m_path);
    if (m_fd < 0) {
        // Held by a running copy: fall back to the first numbered name that can be created.
        const std::string folder = ExtractFilePath(program), base = ExtractBaseName(program);
        for (int n = 0; n < 100 && m_fd < 0; ++n) {
            char name[64];
            std::snprintf(name, sizeof name, "_%03d.Log", n);
            m_path = folder + base + name;
            m_fd = FileLock::CreateNewLocked(m_path);
        }
        if (m_fd < 0) return;
    }
    if (lseek(m_fd, 0, SEEK_END) < 0) {
        close(m_fd);
        m_fd = -1;
        return;
    }
    Write("\r\n", 2);
    WriteLine("== START LOG ==");
}

CDebug::CDebug(const TFile& file) {
    if (file.Path.empty()) return;
    m_fd = ::open(file.Path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (m_fd < 0) return;
    m_path = file.Path;
    Write("\r\n", 2);
    WriteLine("== START LOG ==");
}

CDebug::~CDebug() {
    if (m_fd >= 0) close(m_fd);
    m_fd = -1;
}

void CDebug::Write(const void* bytes, size_t count) {
    if (m_fd < 0) return;
    std::lock_guard<std::mutex> guard(m_lock);
    // One write call per line; a short or failed write is ignored.
    ssize_t r = ::write(m_fd, bytes, count);
    (void)r;
}

void CDebug::WriteLine(const std::string& text) {
    if (m_fd < 0) return;
    timeval tv{};
    gettimeofday(&tv, nullptr);
    tm local{};
    localtime_r(&tv.tv_sec, &local);
    const auto tid = static_cast<unsigned long>(syscall(SYS_gettid));
    char prefix[64];
    const int n = std::snprintf(prefix, sizeof prefix, "(%02d:%02d:%02d:%03d 0x%lX) ", local.tm_hour,
                                local.tm_min, local.tm_sec, static_cast<int>(tv.tv_usec / 1000), tid);
    std::string line;
    line.reserve(static_cast<size_t>(n) + text.size() + 2);
    line.append(prefix, static_cast<size_t>(n)).append(text).append("\r\n");
    Write(line.data(), line.size());
}

namespace {
std::atomic<CDebug*> g_redirect{nullptr};
}

CDebug& DebugLog() {
    static CDebug log;
    CDebug* r = g_redirect.load();
    return r ? *r : log;
}

void RedirectLog(CDebug* log) {
    g_redirect = log;
}

namespace {
// The log is opened during static initialisation, so "== START LOG ==" is written even by a run that logs
// nothing else, and every later step can log.
[[maybe_unused]] CDebug& g_openedAtStart = DebugLog();
} // namespace

void LogText(const std::string& text) {
    DebugLog().WriteLine(text);
}

void Log(const char* format, ...) {
    CDebug& log = DebugLog();
    if (!log.Enabled() || !format) return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[512];
    const int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (n < 0) {
        small[0] = '\0';
        log.WriteLine(small);
    } else if (static_cast<size_t>(n) < sizeof small) {
        log.WriteLine(std::string(small, static_cast<size_t>(n)));
    } else {
        std::vector<char> big(static_cast<size_t>(n) + 1);
        std::vsnprintf(big.data(), big.size(), format, copy);
        log.WriteLine(std::string(big.data(), static_cast<size_t>(n)));
    }
    va_end(copy);
}
