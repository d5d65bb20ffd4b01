#include "cli/progress.h"

#include "platform/tickclock.h"
#include "platform/timer.h"

#include <unistd.h>

#include <cstdio>

CProgress::CProgress() : m_enabled(isatty(STDERR_FILENO) == 1) {
    if (!m_enabled) return;
    m_timer = std::make_unique<TTimer>(nullptr, 1000, false);
    m_timer->OnTimer = [this](TTimer*) { Draw(); };
}

CProgress::~CProgress() {
    Clear();
}

void CProgress::Stage(const std::string& text) {
    if (!m_enabled) return;
    m_stage = text;
    m_start = TickClock::GetTickCount();
    m_timer->SetEnabled(true);
    Draw();
}

void CProgress::Clear() {
    if (!m_enabled) return;
    m_timer->SetEnabled(false);
    if (m_shown) std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_shown = false;
}

void CProgress::Resume() {
    if (!m_enabled || m_stage.empty()) return;
    m_timer->SetEnabled(true);
    Draw();
}

void CProgress::Draw() {
    const std::uint32_t seconds = (TickClock::GetTickCount() - m_start) / 1000;
    std::fprintf(stderr, "\r\033[K%s... %u s", m_stage.c_str(), static_cast<unsigned>(seconds));
    std::fflush(stderr);
    m_shown = true;
}
