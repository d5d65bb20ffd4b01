// The real engine on the test's interface against swpdevsim: request helpers that wait for the outcome
// message the way a page does.
#pragma once

#include "app/globalvar.h"
#include "e2e/simprocess.h"
#include "link/formudp.h"
#include "link/iphelp.h"
#include "link/logcapture.h"
#include "link/netutil.h"
#include "platform/application.h"
#include "platform/tickclock.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct TOutcome {
    unsigned Msg = 0; // UM_UDP_RESULT, UM_UDP_TIMEOUT, or 0 when nothing came
    int Code = 0;
    std::intptr_t Value = 0;
    bool Result(std::intptr_t value) const { return Msg == UM_UDP_RESULT && Value == value; }
    bool TimedOut() const { return Msg == UM_UDP_TIMEOUT; }
};

class E2ETest : public ::testing::Test {
protected:
    void SetUp() override {
        TApplication::Instance().SetMainForm(&Main);
        g_Var.Password = "pylon";
        Help = std::make_unique<CIPHelp>();
        Help->SetInterfaceFilter({TE2EEnvironment::ClientInterface()});
        Engine = std::make_unique<TFormUDP>(nullptr, Help.get());
        ClientPort = FreeUdpPort();
    }
    void TearDown() override {
        // A failed run shows the engine's log and the simulators' complaints.
        if (HasFailure()) {
            for (const std::string& line : RunLog.Lines)
                std::fprintf(stderr, "  | %s\n", line.c_str());
            for (auto& sim : Sims)
                std::fprintf(stderr, "  sim: %s\n", sim->Errors().c_str());
        }
        Engine.reset();
        Sims.clear();
        TApplication::Instance().SetMainForm(nullptr);
        TickClock::SetTimeScale(1);
    }

    // Starts a simulator; the engine's device port follows the last one started.
    CSimProcess& StartSim(const QStringList& args) {
        Sims.push_back(std::make_unique<CSimProcess>());
        CSimProcess& sim = *Sims.back();
        EXPECT_TRUE(sim.Start(args)) << sim.Errors();
        Engine->SetPorts(ClientPort, sim.Port);
        return sim;
    }

    // Waits for the first result or time-out with `code` posted after `from`.
    TOutcome Await(int code, std::size_t from, int ms = 10000) {
        TOutcome outcome;
        (void)QTest::qWaitFor(
            [&] {
                for (std::size_t n = from; n < Main.Messages.size(); ++n) {
                    const TMessage& m = Main.Messages[n];
                    if ((m.Msg == UM_UDP_RESULT || m.Msg == UM_UDP_TIMEOUT) &&
                        static_cast<int>(m.WParam) == code) {
                        outcome = {m.Msg, code, m.LParam};
                        return true;
                    }
                }
                return false;
            },
            ms);
        return outcome;
    }
    // Sends one request and waits for its outcome.
    TOutcome Run(int code, const std::function<void()>& send) {
        const std::size_t from = Main.Messages.size();
        send();
        return Await(code, from);
    }

    // A discovery that runs for `wait` ms; the devices found.
    std::vector<tag_DEVICE_INFO> Discover(std::uint32_t wait = 600) {
        const TOutcome o = Run(UDP_REQ_DISCOVER, [&] { EXPECT_TRUE(Engine->SendDiscover(wait, true)); });
        EXPECT_TRUE(o.TimedOut());
        std::vector<tag_DEVICE_INFO> devices;
        Engine->GetDevList(devices);
        return devices;
    }
    // Discovers, chooses the first device and logs in; the login's outcome.
    TOutcome DiscoverAndLogin(std::uint32_t wait = 5000) {
        const auto devices = Discover();
        EXPECT_FALSE(devices.empty());
        if (devices.empty()) return {};
        g_Var.DevInfo = devices[0];
        return Run(UDP_REQ_LOGIN, [&] { Engine->SendLogin(wait); });
    }

    // The page pattern: log in first when needed, one logout and login after a time-out, the request again
    // after that login; true when the request's result was nonzero.
    bool RunWithLogin(int code, const std::function<void()>& send, int* result = nullptr) {
        bool retry = true;
        for (;;) {
            if (!Engine->LoggedIn()) {
                if (!retry) return false;
                retry = false;
                if (!Run(UDP_REQ_LOGIN, [&] { Engine->SendLogin(5000); }).Result(1)) return false;
            }
            const TOutcome o = Run(code, send);
            if (o.Msg == UM_UDP_RESULT) {
                if (result) *result = static_cast<int>(o.Value);
                return o.Value != 0;
            }
            if (!retry) return false;
            retry = false;
            Engine->SendLogout(0);
            if (!Run(UDP_REQ_LOGIN, [&] { Engine->SendLogin(5000); }).Result(1)) return false;
        }
    }

    CLogCapture RunLog;
    CMessageRecorder Main;
    std::unique_ptr<CIPHelp> Help;
    std::unique_ptr<TFormUDP> Engine;
    std::vector<std::unique_ptr<CSimProcess>> Sims;
    std::uint16_t ClientPort = 0;
};
