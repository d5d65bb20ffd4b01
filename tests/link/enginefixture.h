// A fixture for engine tests: the real engine on injected loopback adapters, a recording main window and a
// tiny in-test device socket that reads requests and sends hand-built answers.
#pragma once

#include "app/globalvar.h"
#include "link/fakeadapters.h"
#include "link/formudp.h"
#include "link/golden_vectors.h"
#include "link/netutil.h"
#include "link/rc4encry.h"
#include "platform/application.h"
#include "platform/tickclock.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

// A datagram as a device sends it: header built by hand, payload enciphered unless it is a discovery answer.
inline TBytes DeviceDatagram(std::uint8_t opCode, const TBytes& payload, const std::uint8_t* mac,
                             std::string_view password) {
    TBytes d = {'S', 'W', 'P', '1', '2', '3', '4', '5', 2};
    d.insert(d.end(), mac, mac + 6);
    d.push_back(opCode);
    d.push_back(static_cast<std::uint8_t>(payload.size() >> 8));
    d.push_back(static_cast<std::uint8_t>(payload.size()));
    d.insert(d.end(), payload.begin(), payload.end());
    if (opCode != 0) rc4encry::Crypt(password, d.data() + 18, payload.size());
    return d;
}

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClientPort = FreeUdpPort();
        DevicePort = FreeUdpPort();
        Device = std::make_unique<CPeerSocket>(DevicePort, "0.0.0.0");
        TApplication::Instance().SetMainForm(&Main);
        g_Var.Password = "pylon";
        std::memcpy(g_Var.DevInfo.MacAddr, golden::DeviceMac, 6);
        MakeEngine({LoopbackAdapter(0x01)}); // the golden client address
    }
    void TearDown() override {
        Engine.reset();
        TApplication::Instance().SetMainForm(nullptr);
        TickClock::SetTimeScale(1);
    }

    void MakeEngine(std::vector<TAdapter> adapters) {
        Engine.reset();
        Help = LoopbackHelp(std::move(adapters));
        Engine = std::make_unique<TFormUDP>(nullptr, Help.get());
        Engine->SetPorts(ClientPort, DevicePort);
    }

    // Opens the sockets with a discovery that nobody answers before the test goes on.
    void Discover(std::uint32_t wait = 60000) {
        ASSERT_TRUE(Engine->SendDiscover(wait, true));
        ASSERT_FALSE(Device->Receive().empty());
    }

    // Discovers and logs in to the golden device; later requests go to `commandPort` (default: the device
    // port).
    void LogIn(std::uint16_t commandPort = 0) {
        Discover();
        Engine->SendLogin(60000);
        ASSERT_FALSE(Device->Receive().empty());
        const std::uint16_t port = commandPort ? commandPort : DevicePort;
        Answer(1,
               {0x91, 1, 1, 0x92, 2, static_cast<std::uint8_t>(port >> 8), static_cast<std::uint8_t>(port)});
        ASSERT_TRUE(WaitFor([&] { return Engine->LoggedIn(); }));
        Main.Messages.clear();
    }

    // The next request the device hears, deciphered; empty when none came.
    TBytes NextRequest(std::string_view password = "pylon", CPeerSocket* at = nullptr) {
        TBytes d = (at ? at : Device.get())->Receive();
        if (d.size() > 18) rc4encry::Crypt(password, d.data() + 18, d.size() - 18);
        return d;
    }
    static TBytes PayloadOf(const TBytes& datagram) {
        return datagram.size() >= 18 ? TBytes(datagram.begin() + 18, datagram.end()) : TBytes{};
    }

    void Answer(std::uint8_t opCode, const TBytes& payload, const std::uint8_t* mac = golden::DeviceMac,
                const char* to = "127.0.0.1") {
        ASSERT_TRUE(Device->SendTo(DeviceDatagram(opCode, payload, mac, g_Var.Password), ClientPort, to));
    }
    void SendRaw(const TBytes& datagram) { ASSERT_TRUE(Device->SendTo(datagram, ClientPort)); }

    template <class P> bool WaitFor(P predicate, int ms = 3000) { return QTest::qWaitFor(predicate, ms); }
    // Lets the engine handle whatever is on its way (for checks that something did not happen).
    void Settle(int ms = 100) { QTest::qWait(ms); }

    int Results(int code) const {
        int n = 0;
        for (const auto& m : Main.Of(UM_UDP_RESULT))
            n += static_cast<int>(m.WParam) == code;
        return n;
    }

    CMessageRecorder Main;
    std::unique_ptr<CIPHelp> Help;
    std::unique_ptr<TFormUDP> Engine;
    std::unique_ptr<CPeerSocket> Device;
    std::uint16_t ClientPort = 0, DevicePort = 0;
};
