// swpctl end to end: the real program against a real simulator process on 127.0.0.1, with moved ports and
// product time running 20 times faster (a discovery lasts 200 ms, a login may take 250 ms).
#include "cli/swpctlrun.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>

namespace {

const QString Mac1 = "02:53:57:50:00:01";
const QString Mac2 = "02:53:57:50:00:02";

const QStringList StaticDevice = {"--name",    "Lounge",        "--mac",     Mac1,
                                  "--ip-mode", "static",        "--ip",      "192.168.1.20",
                                  "--netmask", "255.255.255.0", "--gateway", "192.168.1.1"};

class SwpctlTest : public ::testing::Test {
protected:
    void StartSim(const QStringList& args) { ASSERT_TRUE(Sim.Start(args)) << Sim.Errors().toStdString(); }

    // swpctl on loopback, talking to the simulator (or to `devicePort` where nobody listens).
    TRun Run(const QStringList& args, std::uint16_t devicePort = 0) {
        QStringList all = {"--interface",   "lo",
                           "--client-port", QString::number(ClientPort),
                           "--device-port", QString::number(devicePort ? devicePort : Sim.Port()),
                           "--time-scale",  "20"};
        return RunProgram(all + args);
    }

    std::string LogText() {
        std::ifstream in(LogPath.toStdString());
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    CSimProcess Sim;
    std::uint16_t ClientPort = FreeUdpPort();
    QTemporaryDir Dir;
    QString LogPath = Dir.filePath("sub-run.log");
};

std::string Text(const QString& s) {
    return s.toStdString();
}

TEST_F(SwpctlTest, DiscoverListsEveryDeviceAlignedAndAsJson) {
    StartSim({"--devices", "2", "--name", "Desk", "--mac", Mac1});
    const TRun run = Run({"discover", "--wait", "10000"});
    ASSERT_EQ(run.Code, 0) << Text(run.Err);
    const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << Text(run.Out);
    const qsizetype macColumn = lines[0].indexOf("MAC");
    EXPECT_EQ(lines[1].indexOf(Mac1), macColumn) << "columns are aligned";
    EXPECT_EQ(lines[2].indexOf(Mac2), macColumn);
    EXPECT_TRUE(lines[1].startsWith("1 ")) << Text(lines[1]);
    EXPECT_TRUE(lines[1].contains("lo (127.0.0.1)"));

    const QJsonArray devices = Run({"--json", "discover", "--wait", "10000"}).Json()["devices"].toArray();
    ASSERT_EQ(devices.size(), 2);
    QStringList macs;
    for (const auto& value : devices) {
        const QJsonObject d = value.toObject();
        macs << d["mac"].toString();
        EXPECT_EQ(d["ip"].toString(), "127.0.0.1");
        EXPECT_EQ(d["interface"].toString(), "lo");
        EXPECT_TRUE(d["name"].toString().startsWith("Desk"));
    }
    macs.sort();
    EXPECT_EQ(macs, (QStringList{Mac1, Mac2}));
}

TEST_F(SwpctlTest, ShowReadsTheConfigurationByMacNameOrIndex) {
    StartSim(StaticDevice + QStringList{"--ssid", "SimNet", "--security", "wpa-psk", "--wpa-mode", "wpa2",
                                        "--wpa-cipher", "aes", "--passphrase", "secret phrase"});
    const TRun human = Run({"show", Mac1});
    ASSERT_EQ(human.Code, 0) << Text(human.Err);
    for (const char* line :
         {"Device            Lounge", "IP mode           static", "IP address        192.168.1.20",
          "Gateway           192.168.1.1", "SSID              SimNet", "Security          WPA-PSK",
          "WPA mode          WPA2 Only", "Cipher            AES"})
        EXPECT_TRUE(human.Out.contains(line)) << line << "\n" << Text(human.Out);

    for (const QString& device : {Mac1.toLower(), QString("Lounge"), QString("lounge"), QString("1")}) {
        const TRun run = Run({"--json", "show", device});
        ASSERT_EQ(run.Code, 0) << Text(device) << ": " << Text(run.Err);
        const QJsonObject doc = run.Json();
        EXPECT_EQ(doc["device"].toObject()["mac"].toString(), Mac1) << Text(device);
        EXPECT_EQ(doc["mode"].toString(), "ap");
        EXPECT_EQ(doc["ip"].toObject()["address"].toString(), "192.168.1.20");
        EXPECT_FALSE(doc["ip"].toObject()["dhcp"].toBool());
        EXPECT_EQ(doc["wireless"].toObject()["ssid"].toString(), "SimNet");
        EXPECT_EQ(doc["wireless"].toObject()["security"].toString(), "wpa-psk");
        EXPECT_EQ(doc["wireless"].toObject()["cipher"].toString(), "aes");
    }
    const TRun missing = Run({"show", "Kitchen"});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_TRUE(missing.Err.contains("No device matches 'Kitchen'")) << Text(missing.Err);
}

struct SetIPCase {
    QStringList Args;
    bool Changed;
    bool Dhcp;
    const char* Address;
    const char* Gateway;
};

void PrintTo(const SetIPCase& c, std::ostream* os) {
    *os << c.Args.join(' ').toStdString();
}

class SwpctlSetIPTest : public SwpctlTest, public ::testing::WithParamInterface<SetIPCase> {};

TEST_P(SwpctlSetIPTest, SendsOnlyAChangeAndPrintsWhatTheDeviceReadsBack) {
    StartSim(StaticDevice);
    const TRun run = Run(QStringList{"--json", "--log", LogPath, "set-ip", Mac1} + GetParam().Args);
    ASSERT_EQ(run.Code, 0) << Text(run.Err);
    const QJsonObject doc = run.Json();
    EXPECT_EQ(doc["changed"].toBool(), GetParam().Changed);
    EXPECT_EQ(doc["ip"].toObject()["dhcp"].toBool(), GetParam().Dhcp);
    EXPECT_EQ(doc["ip"].toObject()["address"].toString(), GetParam().Address);
    EXPECT_EQ(doc["ip"].toObject()["gateway"].toString(), GetParam().Gateway);
    const std::string log = LogText();
    EXPECT_EQ(log.find("TFormUDP::SendIPSetting()") != std::string::npos, GetParam().Changed);
    EXPECT_NE(log.find("TFormUDP::SendLogout()"), std::string::npos) << "logged out at the end";
}

INSTANTIATE_TEST_SUITE_P(
    Methods, SwpctlSetIPTest,
    ::testing::Values(
        SetIPCase{{"dhcp"}, true, true, "192.168.1.20", "192.168.1.1"},
        // the last-number rule turns .255 into .254 before the checks
        SetIPCase{{"static", "--ip", "192.168.1.255", "--mask", "255.255.255.0", "--gateway", "192.168.1.1"},
                  true,
                  false,
                  "192.168.1.254",
                  "192.168.1.1"},
        SetIPCase{{"static", "--ip", "10.1.2.3", "--mask", "255.0.0.0"}, true, false, "10.1.2.3", ""},
        SetIPCase{{"static", "--ip", "192.168.1.20", "--mask", "255.255.255.0", "--gateway", "192.168.1.1"},
                  false,
                  false,
                  "192.168.1.20",
                  "192.168.1.1"}));

// Input the pages refuse is refused before the device is touched, with the pages' texts.
struct InvalidCase {
    QStringList Args;
    const char* Text;
};

void PrintTo(const InvalidCase& c, std::ostream* os) {
    *os << c.Args.join(' ').toStdString();
}

class SwpctlInvalidTest : public SwpctlTest, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(SwpctlInvalidTest, ExitsWithTwoAndTheMessageText) {
    const TRun run = Run(QStringList{"--log", LogPath} + GetParam().Args, FreeUdpPort());
    EXPECT_EQ(run.Code, 2);
    EXPECT_EQ(Text(run.Err), std::string(GetParam().Text) + "\n");
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_EQ(LogText().find("SendDiscover"), std::string::npos) << "nothing was sent";
}

const QStringList Static = {"set-ip", "02:53:57:50:00:01", "static"};
const QStringList Wireless = {"set-wireless", "02:53:57:50:00:01", "--ssid", "Home"};

INSTANTIATE_TEST_SUITE_P(
    Pages, SwpctlInvalidTest,
    ::testing::Values(
        InvalidCase{Static + QStringList{"--ip", "192.168.1.0", "--mask", "255.255.255.0"},
                    "The IP Address entered is invalid."},
        InvalidCase{Static + QStringList{"--ip", "127.0.0.1", "--mask", "255.0.0.0"},
                    "The IP Address entered is invalid."},
        InvalidCase{Static + QStringList{"--ip", "192.168.1.5.7", "--mask", "255.255.255.0"},
                    "The IP Address entered is invalid."},
        InvalidCase{Static + QStringList{"--ip", "192.168.1.10", "--mask", "255.255.0.255"},
                    "The Subnet Mask entered is invalid."},
        InvalidCase{Static + QStringList{"--ip", "192.168.1.10", "--mask", "255.255.255.0", "--gateway",
                                         "192.168.2.1"},
                    "The Default Gateway entered is invalid."},
        InvalidCase{Wireless + QStringList{"--security", "wep", "--key", "1234"},
                    "You have entered an incorrect WEP key. Please try again."},
        InvalidCase{Wireless + QStringList{"--security", "wep", "--key", "12345678901234567890abcdeg"},
                    "You have entered an incorrect WEP key. Please try again."},
        InvalidCase{Wireless + QStringList{"--security", "wpa-psk", "--key", "short"},
                    "Passphrase should be between 8 to 63 charachers in ASCII format."},
        InvalidCase{Wireless + QStringList{"--security", "wpa-psk", "--key", QString(63, 'a') + "x"},
                    "Passphrase should be 64 hex digits."},
        InvalidCase{{"set-wireless", "02:53:57:50:00:01", "--ssid", ""}, "No SSID"},
        InvalidCase{{"wps", "02:53:57:50:00:01", "pin", "12ab5670"}, "Invaild PIN Code"}));

TEST_F(SwpctlTest, SetModeChangesTheModeAndLeavesAnEqualOneAlone) {
    StartSim({"--mac", Mac1, "--mode", "ap"});
    TRun run = Run({"--json", "set-mode", Mac1, "bridge"});
    ASSERT_EQ(run.Code, 0) << Text(run.Err);
    EXPECT_TRUE(run.Json()["changed"].toBool());
    EXPECT_EQ(run.Json()["mode"].toString(), "bridge");
    run = Run({"set-mode", Mac1, "bridge"});
    ASSERT_EQ(run.Code, 0) << Text(run.Err);
    EXPECT_TRUE(run.Out.contains("already in this mode")) << Text(run.Out);
    EXPECT_EQ(Run({"--json", "show", Mac1}).Json()["mode"].toString(), "bridge");
}

struct WirelessCase {
    const char* DeviceMode;
    QStringList Args;
    QJsonObject Expected; // fields of the read-back "wireless" object
};

void PrintTo(const WirelessCase& c, std::ostream* os) {
    *os << c.DeviceMode << ' ' << c.Args.join(' ').toStdString();
}

class SwpctlWirelessTest : public SwpctlTest, public ::testing::WithParamInterface<WirelessCase> {};

TEST_P(SwpctlWirelessTest, SendsTheProfileAndPrintsWhatTheDeviceReadsBack) {
    StartSim({"--mac", Mac1, "--mode", GetParam().DeviceMode, "--channel", "6", "--auth", "auto"});
    const TRun run = Run(QStringList{"--json", "set-wireless", Mac1} + GetParam().Args);
    ASSERT_EQ(run.Code, 0) << Text(run.Err);
    const QJsonObject wireless = run.Json()["wireless"].toObject();
    for (auto it = GetParam().Expected.begin(); it != GetParam().Expected.end(); ++it)
        EXPECT_EQ(wireless[it.key()], it.value()) << Text(it.key()) << "\n" << Text(run.Out);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, SwpctlWirelessTest,
    ::testing::Values(
        // access point: a wireless setting, which sets the channel to automatic
        WirelessCase{"ap",
                     {"--ssid", "Home & Co", "--mode", "n"},
                     {{"ssid", "Home & Co"}, {"security", "none"}, {"channel", 0}, {"wl_mode_sent", 6}}},
        WirelessCase{"ap",
                     {"--ssid", "Home", "--security", "wep", "--key", "abcde"},
                     {{"security", "wep"}, {"wep_length", 64}, {"auth", "auto"}}},
        WirelessCase{"ap",
                     {"--ssid", "Home", "--security", "wep", "--key", "0123456789abcdef0123456789", "--auth",
                      "shared"},
                     {{"security", "wep"}, {"wep_length", 128}, {"auth", "shared"}}},
        WirelessCase{"ap",
                     {"--ssid", "Home", "--security", "wpa-psk", "--key", "secret phrase", "--wpa", "wpa2"},
                     {{"security", "wpa-psk"}, {"wpa", "wpa2"}, {"cipher", "aes"}}},
        // bridge: a station setting, which carries no channel; WEP authentication defaults to open
        WirelessCase{"bridge",
                     {"--ssid", "Upstream", "--security", "wpa-psk", "--key", "12345678"},
                     {{"ssid", "Upstream"}, {"wpa", "auto"}, {"cipher", "tkip-aes"}, {"channel", 6}}},
        WirelessCase{"bridge",
                     {"--ssid", "Upstream", "--security", "wep", "--key", "abcde"},
                     {{"security", "wep"}, {"auth", "open"}, {"channel", 6}}}));

TEST_F(SwpctlTest, SurveyListsTheStrongestFirst) {
    StartSim({"--mac", Mac1, "--survey", "none", "--survey-ap", "Mid,00:11:22:33:44:01,40,11,2,2",
              "--survey-ap", "Strong,00:11:22:33:44:02,90,6,3,3,1,1", "--survey-ap",
              "Weak,00:11:22:33:44:03,10,1,0,0"});
    const TRun run = Run({"survey", Mac1});
    ASSERT_EQ(run.Code, 0) << Text(run.Err);
    const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << Text(run.Out);
    EXPECT_TRUE(lines[1].startsWith("Strong ")) << Text(run.Out);
    EXPECT_TRUE(lines[1].contains("90%") && lines[1].contains("AES") && lines[1].contains("WPA2-PSK"));
    EXPECT_TRUE(lines[2].startsWith("Mid "));
    EXPECT_TRUE(lines[3].startsWith("Weak ") && lines[3].contains("Not Use") && lines[3].contains("OPEN"));

    const QJsonArray aps = Run({"--json", "survey", Mac1}).Json()["access_points"].toArray();
    ASSERT_EQ(aps.size(), 3);
    EXPECT_EQ(aps[0].toObject()["signal"].toInt(), 90);
    EXPECT_TRUE(aps[0].toObject()["wps"].toBool());
    EXPECT_EQ(aps[1].toObject()["signal"].toInt(), 40);
    EXPECT_EQ(aps[2].toObject()["signal"].toInt(), 10);
}

struct WpsCase {
    const char* DeviceMode;
    const char* Statuses; // the simulator's sequence
    QStringList Args;
    int Code;
    std::vector<int> Followed;
    const char* Detail = ""; // of a failure
};

void PrintTo(const WpsCase& c, std::ostream* os) {
    *os << c.DeviceMode << ' ' << c.Statuses << ' ' << c.Args.join(' ').toStdString();
}

class SwpctlWpsTest : public SwpctlTest, public ::testing::WithParamInterface<WpsCase> {};

TEST_P(SwpctlWpsTest, FollowsTheStatusesUntilWpsEnds) {
    StartSim({"--mac", Mac1, "--mode", GetParam().DeviceMode, "--wps-status", GetParam().Statuses,
              "--station-pin", "31415927"});
    const TRun run = Run(QStringList{"--json", "wps", Mac1} + GetParam().Args);
    ASSERT_EQ(run.Code, GetParam().Code) << Text(run.Err);
    if (run.Code == 2) {
        EXPECT_EQ(Text(run.Err), "Invaild PIN Code\n");
        return;
    }
    if (run.Code == 1) {
        EXPECT_TRUE(run.Err.startsWith("Unable to connect to the device.\n")) << Text(run.Err);
        EXPECT_TRUE(run.Err.contains(GetParam().Detail)) << Text(run.Err);
        return;
    }
    std::vector<int> followed;
    for (const auto& s : run.Json()["statuses"].toArray())
        followed.push_back(s.toObject()["code"].toInt());
    EXPECT_EQ(followed, GetParam().Followed);
    if (std::string(GetParam().DeviceMode) == "bridge") {
        EXPECT_EQ(run.Json()["device_pin"].toString(), "31415927");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, SwpctlWpsTest,
    ::testing::Values(WpsCase{"ap", "3,34", {"pbc"}, 0, {3, 34}}, // configured: read back after 10 s
                      WpsCase{"ap", "3,1", {"pin", "12345670"}, 0, {3, 1}}, // idle soon after the start
                      WpsCase{"ap", "3,2", {"pbc"}, 1, {}, "WPS failed"},   // WSC fail
                      WpsCase{"ap", "1", {"pbc"}, 1, {}, "idle without a recent start"},     // no start seen
                      WpsCase{"ap", "3,34", {"pin", "12345678"}, 2, {}},                     // checksum wrong
                      WpsCase{"bridge", "3,34", {"pin", "--ssid", "HomeNet"}, 0, {3, 34}})); // own PIN shown

TEST_F(SwpctlTest, RefusalsExitWithOneAndThePagesTexts) {
    StartSim(StaticDevice + QStringList{"--fault.ip-setting", "result0", "--wrong-key", "refuse"});
    TRun run = Run({"--json", "set-ip", Mac1, "dhcp"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.startsWith("Unable to connect to the device.\n")) << Text(run.Err);
    EXPECT_TRUE(run.Err.contains("refused the IP setting"));
    EXPECT_EQ(run.Json()["error"].toObject()["reason"].toString(), "refused");

    run = Run({"--password", "wrong", "show", Mac1});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.startsWith("Unable to login the deivce.\n")) << Text(run.Err);
}

// The one case that waits out full time-outs: the IP setting is never answered, so the page pattern logs
// out and in once, sends it again, and gives up.
TEST_F(SwpctlTest, ASilentDeviceGetsOneRetryThenExitsWithOne) {
    StartSim(StaticDevice + QStringList{"--fault.ip-setting", "drop"});
    const TRun run = Run({"--log", LogPath, "set-ip", Mac1, "dhcp"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.startsWith("Unable to connect to the device.\n")) << Text(run.Err);
    EXPECT_TRUE(run.Err.contains("no answer to the IP setting"));
    // The log file did not exist before; the requests in order after the first IP setting:
    const std::string log = LogText();
    std::vector<std::string> sent;
    for (std::size_t at = log.find("TFormUDP::Send"); at != std::string::npos;
         at = log.find("TFormUDP::Send", at + 1))
        sent.push_back(log.substr(at + 10, log.find("()", at) - at - 10));
    EXPECT_EQ(sent, (std::vector<std::string>{"SendDiscover", "SendLogin", "SendGetConfig", "SendIPSetting",
                                              "SendLogout", "SendLogin", "SendIPSetting", "SendLogout"}));

    const TRun wrong = Run({"--password", "wrong", "show", Mac1}); // the device cannot read the login
    EXPECT_EQ(wrong.Code, 1);
    EXPECT_TRUE(wrong.Err.startsWith("Unable to login the deivce.\n")) << Text(wrong.Err);
}

TEST_F(SwpctlTest, NoAnswerNamesTheFirewallAndReversePathFiltering) {
    const TRun run = Run({"discover", "--wait", "2000"}, FreeUdpPort());
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Err.contains("No device answered")) << Text(run.Err);
    EXPECT_TRUE(run.Err.contains("firewall") && run.Err.contains("UDP port " + QString::number(ClientPort)));
    EXPECT_TRUE(run.Err.contains("rp_filter") && run.Err.contains("another subnet"));
    EXPECT_EQ(Run({"--json", "discover", "--wait", "2000"}, FreeUdpPort()).Json()["devices"].toArray().size(),
              0);
}

TEST(SwpctlAdapters, NoUsableAdapterShowsTheAdapterMessage) {
    const TRun run = RunProgram({"--interface", "swpctl-none0", "discover", "--wait", "100"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(Text(run.Err), "Unable to initialize adapter interface.\n");
}

TEST(SwpctlUsage, UsageErrorsExitWithTwo) {
    const QStringList cases[] = {
        {},
        {"frobnicate"},
        {"show"},
        {"show", "1", "2"},
        {"show", "1", "--bogus"},
        {"--wait", "100", "show", "1"},
        {"set-mode", "1", "sideways"},
        {"set-ip", "1", "static", "--ip", "10.0.0.2"},
        {"set-ip", "1", "dhcp", "--ip", "10.0.0.2"},
        {"set-wireless", "1", "--ssid", "Home", "--key", "12345"},
        {"set-wireless", "1", "--ssid", "Home", "--security", "wep"},
        {"set-wireless", "1", "--ssid", QString(33, 'x')},
        {"wps", "1", "pbc", "12345670"},
        {"discover", "--wait", "abc"},
        {"--client-port", "0", "discover"},
        {"--time-scale", "fast", "discover"},
        {"--json=1", "discover"},
    };
    for (const QStringList& args : cases) {
        // Tied to loopback, so even a usage error that slipped through could not reach a real network.
        const TRun run = RunProgram(QStringList{"--interface", "lo"} + args);
        EXPECT_EQ(run.Code, 2) << Text(args.join(' '));
        EXPECT_FALSE(run.Err.isEmpty()) << Text(args.join(' '));
        EXPECT_TRUE(run.Out.isEmpty()) << Text(args.join(' '));
    }
    const TRun help = RunProgram({"--help"});
    EXPECT_EQ(help.Code, 0);
    for (const char* word : {"discover", "set-wireless", "Exit codes", "--client-port", "--time-scale"})
        EXPECT_TRUE(help.Out.contains(word)) << word;
}

} // namespace
