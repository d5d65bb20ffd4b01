// swpdevsim: the device simulator program; flags and scenario in, READY line out, runs until a signal.
#include "simserver.h"
#include "simsettings.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char c = 1;
    const ssize_t written = write(g_signalPipe[1], &c, 1);
    (void)written;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    swpsim::SimSettings settings;
    std::string error;
    if (!swpsim::ParseCommandLine(args, settings, error)) {
        std::fprintf(stderr, "swpdevsim: %s\nTry swpdevsim --help.\n", error.c_str());
        return 2;
    }
    if (settings.help) {
        std::fputs(swpsim::HelpText().c_str(), stdout);
        return 0;
    }
    std::vector<swpsim::SimDevice> devices;
    if (!swpsim::BuildDevices(settings, devices, error)) {
        std::fprintf(stderr, "swpdevsim: %s\n", error.c_str());
        return 2;
    }

    QCoreApplication app(argc, argv);
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) {
        std::perror("swpdevsim: socketpair");
        return 1;
    }
    QSocketNotifier quitNotifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&quitNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);

    const std::size_t count = devices.size();
    swpsim::CSimServer server;
    if (!server.Start(settings.process, std::move(devices), error)) {
        std::fprintf(stderr, "swpdevsim: %s\n", error.c_str());
        return 1;
    }
    std::printf("READY port=%u devices=%zu interface=%s address=%s\n", server.DiscoveryPort(), count,
                server.Interface().name.c_str(), swpsim::Ipv4Text(server.Interface().address).c_str());
    std::fflush(stdout);
    const int rc = app.exec();
    server.Stop();
    return rc;
}
