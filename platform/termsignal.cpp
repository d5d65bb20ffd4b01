#include "platform/termsignal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int g_pipe[2] = {-1, -1};
std::unique_ptr<QSocketNotifier> g_notifier;

// Only an async-signal-safe write here; the event loop does the rest.
void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(g_pipe[1], &byte, 1);
    errno = saved;
}
} // namespace

namespace TermSignals {
void Catch() {
    if (g_pipe[0] < 0 && pipe2(g_pipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : kSignals)
        sigaction(sig, &sa, nullptr);
}

void Watch(std::function<void()> handler) {
    if (g_pipe[0] < 0) return;
    g_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(g_notifier.get(), &QSocketNotifier::activated, [handler = std::move(handler)] {
        char buffer[16];
        while (read(g_pipe[0], buffer, sizeof buffer) > 0) {
        }
        if (handler) handler();
    });
}

void Release() {
    for (int sig : kSignals)
        std::signal(sig, SIG_DFL);
    g_notifier.reset();
}
} // namespace TermSignals
