// Discovery of 1000 simulated devices that answer one broadcast together, on loopback: how many the engine
// finds and how long until the last one is in its list.
#include "e2e/simprocess.h"
#include "link/formudp.h"
#include "link/iphelp.h"
#include "link/netutil.h"

#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

void BM_Discover1000(benchmark::State& state) {
    CSimProcess sim;
    if (!sim.Start({"--devices=1000", "--name=Bench"})) {
        state.SkipWithError(("simulator did not start: " + sim.Errors()).c_str());
        return;
    }
    CIPHelp help;
    help.SetInterfaceFilter({"lo"});
    TFormUDP engine(nullptr, &help);
    engine.SetPorts(FreeUdpPort(), sim.Port);

    std::size_t found = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        engine.SendDiscover(60000, true);
        // Wait in the event loop (no busy loop) until every device is listed or 10 s have passed.
        QEventLoop loop;
        QTimer check, limit;
        std::vector<tag_DEVICE_INFO> devices;
        QObject::connect(&check, &QTimer::timeout, [&] {
            devices.clear();
            engine.GetDevList(devices);
            if (devices.size() >= 1000) loop.quit();
        });
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        check.start(1);
        limit.start(10000);
        loop.exec();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        found = devices.size();
    }
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_Discover1000)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
