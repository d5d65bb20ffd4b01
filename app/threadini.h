// CThreadIni: lock-guarded reads of one ini file with the profile-file rules, through a reader of our own.
#pragma once

#include <memory>
#include <mutex>
#include <string>

// Reads one ini file afresh on every call: names compared without case, first match wins, blanks around the
// value dropped, one pair of enclosing quotes removed, values cut to 2047 characters. Bytes pass through as
// is.
class CIniReader {
public:
    explicit CIniReader(std::string fileName) : m_fileName(std::move(fileName)) {}
    const std::string& FileName() const { return m_fileName; }

    // True when the key exists (even with an empty value); `value` receives it.
    bool Lookup(const std::string& section, const std::string& key, std::string& value) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    bool SectionExists(const std::string& section) const;

    static constexpr size_t MaxValueLength = 2047;
    // The integer rule: "0x"/"0X" prefix (with at least one more character) or a leading "$" is hexadecimal,
    // otherwise decimal with an optional sign; anything else gives `def`.
    static int ParseInteger(const std::string& text, int def);

private:
    std::string m_fileName;
};

class CThreadIni {
public:
    CThreadIni(const std::string& fileName, const std::string& lockName = std::string());
    virtual ~CThreadIni();
    CThreadIni(const CThreadIni&) = delete;
    CThreadIni& operator=(const CThreadIni&) = delete;

    // Holds the lock until Unlock; the caller reads directly from the returned reader.
    virtual CIniReader& Lock();
    virtual void Unlock();
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& def);
    virtual std::string ReadString(const char* section, const char* key, const char* def);
    virtual bool ReadBool(const std::string& section, const std::string& key, bool def);

    const std::string& FileName() const { return m_fileName; }
    bool HasLockName() const { return m_hasLockName; }

private:
    std::string m_fileName;
    std::string m_lockName;
    bool m_hasLockName = false;
    std::unique_ptr<CIniReader> m_reader;
    std::recursive_mutex m_mutex;
    int m_lockFd = -1; // the named lock across processes, when a lock name was given
    int m_depth = 0;   // nested Lock calls on this thread hold the named lock once
};

// Holds the ini lock for a scope; released on every path out.
class CIniLock {
public:
    explicit CIniLock(CThreadIni& ini) : m_ini(ini), m_reader(ini.Lock()) {}
    ~CIniLock() { m_ini.Unlock(); }
    CIniReader& Reader() { return m_reader; }

private:
    CThreadIni& m_ini;
    CIniReader& m_reader;
};
