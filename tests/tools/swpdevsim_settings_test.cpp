// Flags, scenario files and the device list they make.
#include "simsettings.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

using namespace swpsim;

namespace {

bool Parse(std::vector<std::string> args, SimSettings& s, std::string& error) {
    return ParseCommandLine(args, s, error);
}

std::string WriteScenario(const QTemporaryDir& dir, const std::string& text) {
    const std::string path = dir.filePath("scenario.ini").toStdString();
    std::ofstream(path) << text;
    return path;
}

} // namespace

TEST(SimSettings, ScenarioSectionsFlagsAndGeneratedDevices) {
    QTemporaryDir dir;
    const std::string path = WriteScenario(dir, "# two named devices\n"
                                                "answer = broadcast\n"
                                                "port = 6100\n"
                                                "fault.login = delay:200\n"
                                                "[device]\n"
                                                "name = Lounge\n"
                                                "mac = 02:00:00:00:00:10\n"
                                                "[device]\n"
                                                "; the second one is a bridge with its own faults\n"
                                                "name = Console\n"
                                                "mac = 02-00-00-00-00-20\n"
                                                "mode = bridge\n"
                                                "fault.ip-setting = result0,times:1\n"
                                                "wps-status = 3,1\n");
    SimSettings s;
    std::string error;
    ASSERT_TRUE(
        Parse({"--scenario", path, "--port=0", "--devices", "4", "--password", "", "--verbose"}, s, error))
        << error;
    EXPECT_EQ(s.process.port, 0) << "flags win over the scenario";
    EXPECT_TRUE(s.process.verbose);
    std::vector<SimDevice> devices;
    ASSERT_TRUE(BuildDevices(s, devices, error)) << error;
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(devices[0].name, "Lounge");
    EXPECT_EQ(devices[1].name, "Console");
    EXPECT_EQ(devices[1].mode, kModeBridge);
    EXPECT_EQ(devices[0].mode, kModeAp);
    EXPECT_EQ(devices[1].behaviour.wpsSequence, (std::vector<WpsStep>{{{3}, false}, {{1}, false}}));
    EXPECT_EQ(devices[1].behaviour.faults[static_cast<std::size_t>(Req::IpSetting)].times, 1);
    EXPECT_FALSE(devices[0].behaviour.faults[static_cast<std::size_t>(Req::IpSetting)].Active());
    for (const SimDevice& d : devices) {
        EXPECT_EQ(d.behaviour.answer, AnswerMode::Broadcast);
        EXPECT_EQ(d.password, "");
        EXPECT_EQ(d.behaviour.faults[static_cast<std::size_t>(Req::Login)].delayMs, 200u);
    }
    EXPECT_NE(devices[2].mac, devices[3].mac);
    EXPECT_NE(devices[2].name, devices[3].name);
}

TEST(SimSettings, ThousandGeneratedDevicesAreDistinct) {
    SimSettings s;
    std::string error;
    ASSERT_TRUE(Parse({"--devices", "1000", "--command-port", "7000"}, s, error)) << error;
    std::vector<SimDevice> devices;
    ASSERT_TRUE(BuildDevices(s, devices, error)) << error;
    ASSERT_EQ(devices.size(), 1000u);
    std::set<Mac> macs;
    std::set<std::string> names;
    for (const SimDevice& d : devices) {
        macs.insert(d.mac);
        names.insert(d.name);
        EXPECT_LE(d.name.size(), 33u) << "fits the client's name field";
    }
    EXPECT_EQ(macs.size(), 1000u);
    EXPECT_EQ(names.size(), 1000u);
    EXPECT_EQ(devices[999].behaviour.commandPort, 7999);
}

TEST(SimSettings, BadInputIsRefusedWithAReason) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string scenario;
    };
    const Case cases[] = {
        {"unknown key", {"--colour", "red"}, ""},
        {"port out of range", {"--port", "70000"}, ""},
        {"bad address", {"--bind", "127.0.0"}, ""},
        {"bad MAC", {"--mac", "02:00:00:00:00"}, ""},
        {"devices 0", {"--devices", "0"}, ""},
        {"flag without value", {"--name"}, ""},
        {"bare word", {"discover"}, ""},
        {"bad fault request", {"--fault.reboot", "drop"}, ""},
        {"bad fault word", {"--fault.login", "explode"}, ""},
        {"bad WPS sequence", {"--wps-status", "3,,34"}, ""},
        {"too many survey entries", {"--survey", "generated:5000"}, ""},
        {"run key inside a device", {}, "[device]\nport = 1\n"},
        {"unknown section", {}, "[devices]\n"},
        {"line without =", {}, "answer broadcast\n"},
        {"same address twice", {}, "[device]\nmac = 02:00:00:00:00:01\n[device]\nmac = 02:00:00:00:00:01\n"},
        {"missing scenario", {"--scenario", "/nonexistent/swpdevsim.ini"}, ""},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        std::vector<std::string> args = c.args;
        if (!c.scenario.empty()) {
            args.push_back("--scenario");
            args.push_back(WriteScenario(dir, c.scenario));
        }
        SimSettings s;
        std::string error;
        std::vector<SimDevice> devices;
        const bool ok = Parse(args, s, error) && BuildDevices(s, devices, error);
        EXPECT_FALSE(ok) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
}

TEST(SimSettings, SurveyEntriesAndWpsSequences) {
    SurveyEntry e;
    ASSERT_TRUE(ParseSurveyEntry("Cafe, upstairs,00:11:22:33:44:55,70,3,4,4,1,1,1", e));
    EXPECT_EQ(e.ssid, "Cafe, upstairs");
    EXPECT_EQ(e.bssid, (Mac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_EQ(e.signal, 70);
    EXPECT_EQ(e.channel, 3);
    EXPECT_EQ(e.cipher, 4);
    EXPECT_EQ(e.authType, 4);
    EXPECT_EQ(e.wpsFlag, 1);
    EXPECT_EQ(e.headFlag, 1);
    ASSERT_TRUE(ParseSurveyEntry("Open,00:11:22:33:44:66,40,11,0,0", e));
    EXPECT_EQ(e.wpsFlag, 0);
    EXPECT_FALSE(ParseSurveyEntry("NoMac,40,11,0,0", e));
    EXPECT_FALSE(ParseSurveyEntry(std::string(33, 'x') + ",00:11:22:33:44:66,40,11,0,0", e));

    std::vector<WpsStep> steps;
    ASSERT_TRUE(ParseWpsSequence("3, 4+5 ,connect-timeout,-1", steps));
    EXPECT_EQ(steps, (std::vector<WpsStep>{{{3}, false}, {{4, 5}, false}, {{}, true}, {{-1}, false}}));
    ASSERT_TRUE(ParseWpsSequence("none", steps));
    EXPECT_TRUE(steps.empty());
    EXPECT_FALSE(ParseWpsSequence("", steps));
    EXPECT_FALSE(ParseWpsSequence("3,x", steps));
}
