// Ending the program cleanly when the session asks it to stop (SIGTERM, SIGINT, SIGHUP).
#pragma once

#include <functional>

namespace TermSignals {
// Starts catching the signals; a caught one waits until Watch hands it to the event loop.
void Catch();
// Runs `onSignal` in the event loop for each caught signal; call once the application object exists.
void Watch(std::function<void()> onSignal);
// Stops watching and gives the signals their default actions back; call before the application ends.
void Release();
} // namespace TermSignals
