// An injected adapter list for tests: loopback adapters only, so nothing ever leaves the machine.
#pragma once

#include "link/iphelp.h"

#include <memory>
#include <vector>

class CFakeAdapterSource final : public IAdapterSource {
public:
    explicit CFakeAdapterSource(std::vector<TAdapter> adapters, int* reads = nullptr)
        : m_adapters(std::move(adapters)), m_reads(reads) {}
    std::vector<TAdapter> Adapters() override {
        if (m_reads) ++*m_reads;
        return m_adapters;
    }

private:
    std::vector<TAdapter> m_adapters;
    int* m_reads;
};

// A loopback adapter with a made-up hardware address (the real loopback has none).
inline TAdapter LoopbackAdapter(std::uint8_t macTail, const char* ip = "127.0.0.1") {
    TAdapter a;
    a.Name = "lo";
    a.Index = 1;
    a.MacAddr = {0x02, 0x00, 0x00, 0x00, 0x00, macTail};
    a.Addresses = {{ip, "255.0.0.0"}};
    a.Gateway = "0.0.0.0";
    a.Loopback = true;
    a.CanBroadcast = false;
    return a;
}

// A CIPHelp over these adapters, with the loopback interface chosen explicitly.
inline std::unique_ptr<CIPHelp> LoopbackHelp(std::vector<TAdapter> adapters, int* reads = nullptr) {
    auto help = std::make_unique<CIPHelp>(std::make_unique<CFakeAdapterSource>(std::move(adapters), reads));
    help->SetInterfaceFilter({"lo"});
    return help;
}
