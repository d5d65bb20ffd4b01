// A shell for tests: records every call and answers as told; installed for the life of the guard.
#pragma once

#include "platform/shell.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

class CFakeShell final : public IShell {
public:
    bool Open(const std::string& t) override { return record("open " + t, OpenResult); }
    bool Explore(const std::string& f) override { return record("explore " + f, OpenResult); }
    bool HasAssociatedProgram(const std::string& f) override { return record("assoc " + f, Associated); }
    bool StartFile(const std::string& f) override { return record("start " + f, StartResult); }
    bool FindWindowByTitle(const std::string& title) override {
        Calls.push_back("find " + title);
        return FindWindow ? FindWindow(title) : false;
    }

    bool OpenResult = true, Associated = true, StartResult = true;
    std::function<bool(const std::string&)> FindWindow;
    std::vector<std::string> Calls;

private:
    bool record(const std::string& call, bool result) {
        Calls.push_back(call);
        return result;
    }
};

class FakeShellGuard {
public:
    FakeShellGuard() {
        auto s = std::make_unique<CFakeShell>();
        m_shell = s.get();
        m_previous = Shell::Install(std::move(s));
    }
    ~FakeShellGuard() { Shell::Install(std::move(m_previous)); }
    CFakeShell* operator->() { return m_shell; }
    CFakeShell& operator*() { return *m_shell; }

private:
    CFakeShell* m_shell;
    std::unique_ptr<IShell> m_previous;
};
