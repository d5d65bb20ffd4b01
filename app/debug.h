// The debug log: one time-stamped line per call, written only when the program's ".Log" file exists at start.
#pragma once

#include <mutex>
#include <string>

class CDebug {
public:
    // Opens the log beside `programPath` (the running program when empty) if its ".Log" file exists.
    explicit CDebug(const std::string& programPath = std::string());
    // A log written to exactly this file, created when missing and appended to (the console tool's --log
    // FILE); stays off when the file cannot be opened.
    struct TFile {
        std::string Path;
    };
    explicit CDebug(const TFile& file);
    virtual ~CDebug();
    CDebug(const CDebug&) = delete;
    CDebug& operator=(const CDebug&) = delete;

    virtual void Write(const void* bytes, size_t count);
    virtual void WriteLine(const std::string& text);

    bool Enabled() const { return m_fd >= 0; }
    const std::string& Path() const { return m_path; }

private:
    int m_fd = -1;
    std::string m_path;
    std::mutex m_lock;
};

// The program's log object, built before main and closed after it.
CDebug& DebugLog();
// Sends later lines to another log (the console tool's --log FILE); nullptr restores the program's own.
void RedirectLog(CDebug* log);

// printf-style line on the program's log; a formatting failure writes whatever was formatted.
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same for a ready text (never interpreted as a format).
void LogText(const std::string& text);
