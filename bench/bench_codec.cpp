// Codec and cipher throughput: a whole request round (build, encipher, decipher, walk) and the payload cipher
// against OpenSSL's RC4 with a fresh key per 1006-byte packet.
#include "link/answers.h"
#include "link/openssl_rc4.h"
#include "link/packet.h"
#include "link/rc4encry.h"
#include "link/requests.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <random>
#include <vector>

namespace {

const std::uint8_t Mac[6] = {0x02, 0, 0, 0, 0, 1};

// A WPA-PSK wireless setting: built, enciphered, deciphered as the device would, and its items walked.
void BM_PacketRound(benchmark::State& state) {
    tag_WL_PROFILE profile{};
    CopyText(profile.SSID, "benchmark network");
    profile.StdChannel = 6;
    profile.SecurityMode = 2;
    CopyText(profile.Passphrase, "a passphrase of some length");
    CPacket packet;
    std::size_t items = 0;
    for (auto _ : state) {
        BuildWlSetting(packet, Mac, profile);
        EncipherPayload(packet.Data(), packet.Size(), "pylon");
        rc4encry::Crypt("pylon", packet.Data() + UDP_HEADER_SIZE, packet.PayloadLength());
        items += static_cast<std::size_t>(
            WalkTLV(packet.Payload(), [](std::uint8_t, std::uint8_t, const std::uint8_t*) {}));
        benchmark::DoNotOptimize(packet.Bytes.data());
    }
    state.counters["packets/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    benchmark::DoNotOptimize(items);
}
BENCHMARK(BM_PacketRound);

// A configuration answer deciphered and read into the records.
void BM_ConfigAnswer(benchmark::State& state) {
    const std::uint8_t plain[] = {0x00, 1, 1,   0x30, 1,   0,   0x31, 4,    192,  168,  0, 50,
                                  0x32, 4, 255, 255,  255, 0,   0x33, 4,    192,  168,  0, 1,
                                  0x50, 6, 'S', 'i',  'm', 'N', 'e',  't',  0x51, 11,   1, 2,
                                  3,    4, 5,   6,    7,   8,   9,    10,   11,   0x53, 1, 6,
                                  0x60, 1, 2,   0x6C, 4,   0,   0xBC, 0x61, 0x46};
    std::vector<std::uint8_t> enciphered(plain, plain + sizeof plain), work;
    rc4encry::Crypt("pylon", enciphered.data(), enciphered.size());
    int mode = 0;
    tag_IP_SETTING ip{};
    tag_WL_PROFILE profile{};
    for (auto _ : state) {
        work = enciphered;
        rc4encry::Crypt("pylon", work.data(), work.size());
        ReadConfigAnswer(work, mode, ip, profile);
        benchmark::DoNotOptimize(profile.SSID);
    }
    state.counters["answers/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ConfigAnswer);

// Both ciphers over the same 1006-byte packets, each with its own fresh key, timed side by side in one run.
struct CCipherLoad {
    CCipherLoad() {
        std::mt19937 rng(42);
        for (auto& key : Keys) {
            key.resize(5 + rng() % 16);
            for (auto& b : key)
                b = static_cast<std::uint8_t>('a' + rng() % 26);
        }
        for (auto& b : Payload)
            b = static_cast<std::uint8_t>(rng());
    }
    std::vector<std::uint8_t> Keys[64];
    std::uint8_t Payload[1006];
};

// The two alternate in blocks of 64 packets inside one benchmark, so the ratio comes from one run on one
// machine state.
void BM_CryptVsOpenSsl(benchmark::State& state) {
    static CCipherLoad load;
    COpenSslRc4 reference;
    if (!reference.Available()) {
        state.SkipWithError("OpenSSL RC4 (legacy provider) not available");
        return;
    }
    using Clock = std::chrono::steady_clock;
    Clock::duration ours{}, theirs{};
    for (auto _ : state) {
        auto t0 = Clock::now();
        for (const auto& key : load.Keys)
            rc4encry::Crypt(key.data(), static_cast<int>(key.size()), load.Payload, sizeof load.Payload);
        auto t1 = Clock::now();
        for (const auto& key : load.Keys)
            reference.Crypt(key.data(), static_cast<int>(key.size()), load.Payload, sizeof load.Payload);
        auto t2 = Clock::now();
        ours += t1 - t0;
        theirs += t2 - t1;
        benchmark::DoNotOptimize(load.Payload);
    }
    const double packets = static_cast<double>(state.iterations()) * 64;
    const double oursNs = std::chrono::duration<double, std::nano>(ours).count() / packets;
    const double theirsNs = std::chrono::duration<double, std::nano>(theirs).count() / packets;
    state.counters["ours_ns/packet"] = oursNs;
    state.counters["openssl_ns/packet"] = theirsNs;
    state.counters["ours/openssl"] = oursNs / theirsNs;
}
BENCHMARK(BM_CryptVsOpenSsl);

} // namespace
