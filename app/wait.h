// A wait that keeps the window system alive: every message (timers, sockets, posted messages) is dispatched.
#pragma once

#include <cstdint>

// Waits `ms` milliseconds of product time; always true. Callers must expect re-entrance.
bool WaitWithMessages(std::uint32_t ms);
