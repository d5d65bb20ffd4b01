// Captures the lines written to the debug log while it lives (the log is switched on through a temporary
// file).
#pragma once

#include "app/debug.h"

#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

class CLogCapture : public CDebug {
public:
    CLogCapture() : CDebug(Prepare()), m_previous(&DebugLog()) { RedirectLog(this); }
    ~CLogCapture() override { RedirectLog(m_previous); }

    // Captures nest: an outer capture sees the lines of an inner one too.
    void WriteLine(const std::string& text) override {
        Lines.push_back(text);
        if (auto* outer = dynamic_cast<CLogCapture*>(m_previous)) outer->WriteLine(text);
    }

    int Count(const std::string& line) const {
        return static_cast<int>(std::count(Lines.begin(), Lines.end(), line));
    }
    bool Has(const std::string& line) const { return Count(line) > 0; }
    // Index of the first line equal to `line` at or after `from`, or -1.
    int Find(const std::string& line, int from = 0) const {
        for (int n = std::max(from, 0); n < static_cast<int>(Lines.size()); ++n)
            if (Lines[static_cast<size_t>(n)] == line) return n;
        return -1;
    }
    void Clear() { Lines.clear(); }

    std::vector<std::string> Lines;

private:
    CDebug* m_previous;
    // The log is written only when the program's ".Log" file exists; make one in a private folder.
    static std::string Prepare() {
        static QTemporaryDir dir;
        const std::string program = dir.path().toStdString() + "/capture";
        std::ofstream(program + ".Log").flush();
        return program;
    }
};
