// CProgress: one self-rewriting status line on standard error during long waits, only on a terminal.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class TTimer;

class CProgress {
public:
    // Shown only when standard error is a terminal.
    CProgress();
    ~CProgress();
    CProgress(const CProgress&) = delete;
    CProgress& operator=(const CProgress&) = delete;

    bool Enabled() const { return m_enabled; }
    // Starts a stage ("Logging in"); its elapsed seconds count on the line.
    void Stage(const std::string& text);
    // Clears the line (before ordinary output or at the end).
    void Clear();
    // Shows the cleared line again, still counting from the stage's start.
    void Resume();

private:
    void Draw();

    bool m_enabled;
    std::string m_stage;
    std::uint32_t m_start = 0;
    std::unique_ptr<TTimer> m_timer;
    bool m_shown = false;
};
