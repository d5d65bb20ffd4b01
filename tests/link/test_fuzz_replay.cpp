// A bounded, repeatable fuzz run in the sanitized test build: golden datagrams and many mutations of them
// through the codec path and through the engine's own ProcRecvData in every waiting state.
#include "link/fuzz_recv_path.h"
#include "link/golden_datagram.h"

#include "app/globalvar.h"
#include "link/formudp.h"
#include "link/iphelp.h"
#include "link/logcapture.h"
#include "link/netutil.h"
#include "platform/application.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

namespace {

class CFakeAdapterSourceNone final : public IAdapterSource {
public:
    std::vector<TAdapter> Adapters() override { return {}; }
};

using TBytes = std::vector<std::uint8_t>;

std::vector<TBytes> Seeds() {
    std::vector<TBytes> seeds;
    for (const auto* v : {&golden::DiscoverAnswerEmptyName, &golden::LoginAccepted, &golden::LoginNoResult,
                          &golden::SetAccepted, &golden::ConfigAnswer, &golden::StationConfigAnswer,
                          &golden::EventWpsTwoStatuses, &golden::EventConnectTimeout,
                          &golden::SurveyTwoEntries, &golden::OverrunningItem, &golden::StrayTrailingByte})
        seeds.push_back(golden::Datagram(*v));
    seeds.push_back(golden::Bytes(golden::DiscoverAnswerDatagram.Hex));
    seeds.push_back(golden::Bytes(golden::HeaderOnlyDatagram.Hex));
    return seeds;
}

// Mutations that keep the header valid often enough to reach the readers: plain payload bytes re-enciphered,
// lengths that disagree, truncation, growth, and the header Length patched to match.
TBytes Mutate(const TBytes& seed, std::mt19937& rng) {
    TBytes d = seed;
    const bool plain = d.size() >= 18 && d[15] != 0;
    if (plain) rc4encry::Crypt("pylon", d.data() + 18, d.size() - 18);
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits; ++e) {
        switch (rng() % 6) {
        case 0: // flip a payload byte (item types and lengths included)
            if (d.size() > 18)
                d[18 + rng() % (d.size() - 18)] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
            break;
        case 1: // set a byte to an edge value
            if (d.size() > 18)
                d[18 + rng() % (d.size() - 18)] = std::array<std::uint8_t, 4>{0, 1, 0x7F, 0xFF}[rng() % 4];
            break;
        case 2: // truncate
            if (d.size() > 1) d.resize(rng() % d.size());
            break;
        case 3: // grow with random bytes
            for (int n = static_cast<int>(rng() % 300); n > 0; --n)
                d.push_back(static_cast<std::uint8_t>(rng()));
            break;
        case 4: // another operation code
            if (d.size() > 15) d[15] = static_cast<std::uint8_t>(rng() % 12);
            break;
        case 5: // a header byte
            if (!d.empty())
                d[rng() % std::min<std::size_t>(d.size(), 18)] ^= static_cast<std::uint8_t>(rng());
            break;
        }
    }
    if (d.size() >= 18 && rng() % 4 != 0) { // usually make the header's Length agree
        const std::size_t length = d.size() - 18;
        d[16] = static_cast<std::uint8_t>(length >> 8);
        d[17] = static_cast<std::uint8_t>(length);
    }
    if (d.size() >= 18 && d[15] != 0) rc4encry::Crypt("pylon", d.data() + 18, d.size() - 18);
    return d;
}

TEST(FuzzReplay, CodecPathSurvivesMutatedGoldenDatagrams) {
    std::mt19937 rng(20240611);
    int passed = 0;
    for (const TBytes& seed : Seeds()) {
        EXPECT_EQ(fuzzpath::RunDatagram(seed.data(), seed.size()), seed.size() >= 18);
        for (int n = 0; n < 3000; ++n) {
            const TBytes d = Mutate(seed, rng);
            passed += fuzzpath::RunDatagram(d.data(), d.size());
        }
    }
    EXPECT_GT(passed, 10000); // most mutations reach the readers
}

TEST(FuzzReplay, EngineSurvivesMutatedDatagramsInEveryWaitingState) {
    CLogCapture log; // every log line of the handlers is formatted
    CMessageRecorder main;
    TApplication::Instance().SetMainForm(&main);
    g_Var.Password = "pylon";
    CIPHelp none(std::make_unique<CFakeAdapterSourceNone>());
    TFormUDP engine(nullptr, &none);
    // No socket is open: requests only set the waiting state.
    const std::vector<std::function<void()>> waits = {
        [&] { engine.SendDiscover(600000, false); }, [&] { engine.SendLogin(600000); },
        [&] { engine.SendLogout(600000); },          [&] { engine.SendGetConfig(600000); },
        [&] { engine.SendSiteSurvey(600000); },      [&] { engine.SendStationGetConfig(600000); },
        [&] { engine.SendIPSetting(600000); },       [&] { engine.SendWPSPBC(600000); },
    };
    std::mt19937 rng(7);
    int n = 0;
    for (const TBytes& seed : Seeds()) {
        for (int k = 0; k < 600; ++k, ++n) {
            engine.SendDiscover(600000, false); // the peer is broadcast again: every device is heard
            waits[static_cast<std::size_t>(n) % waits.size()]();
            TBytes d = Mutate(seed, rng);
            engine.ProcRecvData(d.data(), d.size(), "127.0.0.1", 5432, nullptr);
            log.Clear();
        }
    }
    std::vector<tag_DEVICE_INFO> devices;
    engine.GetDevList(devices);
    EXPECT_LE(devices.size(), 4096u);
    TApplication::Instance().SetMainForm(nullptr);
}

} // namespace
