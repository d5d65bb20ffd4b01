#include "app/threadini.h"

#include "platform/namedmutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string_view>

namespace {
// An ini file larger than this is read only up to here; a product ini is a few kilobytes.
constexpr size_t MaxFileBytes = 4u << 20;

std::string readFileBounded(const std::string& path) {
    std::string data;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return data;
    char buf[8192];
    size_t n;
    while (data.size() < MaxFileBytes && (n = std::fread(buf, 1, sizeof buf, f)) > 0)
        data.append(buf, std::min(n, MaxFileBytes - data.size()));
    std::fclose(f);
    if (data.size() >= 3 && data.compare(0, 3, "\xEF\xBB\xBF") == 0) data.erase(0, 3);
    return data;
}

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// Calls `onLine(sectionMatched, line)` for each line; stops when it returns true.
template <class F> void scanLines(std::string_view text, F onLine) {
    while (!text.empty()) {
        const auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        if (onLine(trim(line))) return;
    }
}

// Section name of a "[name]" line, or nullopt-like false.
bool sectionName(std::string_view line, std::string_view& name) {
    if (line.empty() || line.front() != '[') return false;
    const auto close = line.find(']');
    name = trim(close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1));
    return true;
}
} // namespace

bool CIniReader::Lookup(const std::string& section, const std::string& key, std::string& value) const {
    const std::string text = readFileBounded(m_fileName);
    enum { Before, Inside, After } state = Before;
    bool found = false;
    scanLines(text, [&](std::string_view line) {
        std::string_view name;
        if (sectionName(line, name)) {
            if (state == Inside) return true; // only the first matching section counts
            if (state == Before && equalNoCase(name, section)) state = Inside;
            return false;
        }
        if (state != Inside || line.empty() || line.front() == ';') return false;
        const auto eq = line.find('=');
        if (eq == std::string_view::npos || !equalNoCase(trim(line.substr(0, eq)), key)) return false;
        std::string_view v = trim(line.substr(eq + 1));
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.substr(1, v.size() - 2);
        value.assign(v.substr(0, MaxValueLength));
        found = true;
        return true;
    });
    return found;
}

bool CIniReader::SectionExists(const std::string& section) const {
    const std::string text = readFileBounded(m_fileName);
    bool found = false;
    scanLines(text, [&](std::string_view line) {
        std::string_view name;
        found = sectionName(line, name) && equalNoCase(name, section);
        return found;
    });
    return found;
}

std::string CIniReader::ReadString(const std::string& section, const std::string& key,
                                   const std::string& def) const {
    std::string value;
    return Lookup(section, key, value) ? value : def.substr(0, MaxValueLength);
}

int CIniReader::ParseInteger(const std::string& text, int def) {
    std::string_view s = text;
    int base = 10;
    bool negative = false;
    if (s.size() >= 3 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    } else {
        if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
            negative = s.front() == '-';
            s.remove_prefix(1);
        }
        if (!s.empty() && s.front() == '$') {
            base = 16;
            s.remove_prefix(1);
        }
    }
    if (s.empty()) return def;
    unsigned long long v = 0;
    for (char c : s) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return def;
        v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFull) return def;
    }
    if (base == 16) { // hexadecimal covers the full 32 bits, as the two's-complement pattern
        const auto bits = static_cast<std::uint32_t>(v);
        const auto value = static_cast<std::int32_t>(bits);
        return negative ? static_cast<int>(0u - static_cast<unsigned>(value)) : value;
    }
    if (negative ? v > 2147483648ull : v > 2147483647ull) return def;
    return negative ? static_cast<int>(-static_cast<long long>(v)) : static_cast<int>(v);
}

int CIniReader::ReadInteger(const std::string& section, const std::string& key, int def) const {
    std::string value;
    return Lookup(section, key, value) ? ParseInteger(value, def) : def;
}

bool CIniReader::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

CThreadIni::CThreadIni(const std::string& fileName, const std::string& lockName)
    : m_fileName(fileName), m_lockName(lockName), m_hasLockName(!lockName.empty()),
      m_reader(std::make_unique<CIniReader>(fileName)) {
    if (m_hasLockName)
        m_lockFd = open(CNamedMutex::LockFilePath(lockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

CThreadIni::~CThreadIni() {
    if (m_lockFd >= 0) close(m_lockFd);
}

CIniReader& CThreadIni::Lock() {
    m_mutex.lock();
    // A named lock is shared with every process using the same name; it waits without a time limit.
    if (m_lockFd >= 0 && m_depth == 0)
        while (flock(m_lockFd, LOCK_EX) != 0 && errno == EINTR) {
        }
    ++m_depth;
    return *m_reader;
}

void CThreadIni::Unlock() {
    if (--m_depth == 0 && m_lockFd >= 0) flock(m_lockFd, LOCK_UN);
    m_mutex.unlock();
}

std::string CThreadIni::ReadString(const std::string& section, const std::string& key,
                                   const std::string& def) {
    CIniLock lock(*this);
    return lock.Reader().ReadString(section, key, def);
}

std::string CThreadIni::ReadString(const char* section, const char* key, const char* def) {
    return ReadString(std::string(section ? section : ""), std::string(key ? key : ""),
                      std::string(def ? def : ""));
}

bool CThreadIni::ReadBool(const std::string& section, const std::string& key, bool def) {
    CIniLock lock(*this);
    return lock.Reader().ReadBool(section, key, def);
}
