#include "cli/clisession.h"

#include "app/globalvar.h"
#include "app/messages.h"
#include "app/utils.h"
#include "cli/climainform.h"
#include "link/formudp.h"
#include "link/iphelp.h"
#include "link/messages_udp.h"
#include "link/udpsocket.h"
#include "platform/timer.h"

#include <QEventLoop>
#include <QJsonObject>

#include <cctype>
#include <cstring>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool AllDigits(const std::string& text) {
    if (text.empty() || text.size() > 6) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

const char* ReasonWord(TPatternReason reason) {
    switch (reason) {
    case TPatternReason::None:
        return "none";
    case TPatternReason::Refused:
        return "refused";
    case TPatternReason::TimedOut:
        return "timeout";
    case TPatternReason::NoLogin:
        return "not-logged-in";
    case TPatternReason::Custom:
        break;
    }
    return "other";
}

std::string ReasonText(const TPatternEnd& end) {
    const std::string request = RequestName(end.Code);
    switch (end.Reason) {
    case TPatternReason::Refused:
        return end.Code == UDP_REQ_LOGIN ? "the device refused the login (wrong password?)"
                                         : "the device refused the " + request;
    case TPatternReason::TimedOut:
        return end.Code == UDP_REQ_LOGIN ? "no answer to the login (wrong password, or the device is busy)"
                                         : "no answer to the " + request;
    case TPatternReason::NoLogin:
        return "the device ended the login and no further login was allowed";
    default:
        return "the " + request + " did not succeed";
    }
}

} // namespace

const char* RequestName(int code) {
    switch (code) {
    case UDP_REQ_DISCOVER:
        return "discovery";
    case UDP_REQ_LOGIN:
        return "login";
    case UDP_REQ_LOGOUT:
        return "logout";
    case UDP_REQ_IP_SETTING:
        return "IP setting";
    case UDP_REQ_WL_SETTING:
        return "wireless setting";
    case UDP_REQ_GET_CONFIG:
        return "configuration read";
    case UDP_REQ_WPS_PBC:
        return "WPS push button request";
    case UDP_REQ_WPS_PIN:
        return "WPS PIN request";
    case UDP_REQ_SITE_SURVEY:
        return "site survey";
    case UDP_REQ_SET_MODE:
        return "mode setting";
    case UDP_REQ_WL_STATION_SETTING:
        return "wireless station setting";
    case UDP_REQ_STATION_GET_CONFIG:
        return "station PIN read";
    default:
        return "request";
    }
}

bool ParseMac(const std::string& text, std::uint8_t mac[6]) {
    if (text.size() != 17) return false;
    for (int n = 0; n < 6; ++n) {
        const int hi = HexDigit(text[n * 3]), lo = HexDigit(text[n * 3 + 1]);
        if (hi < 0 || lo < 0) return false;
        if (n < 5 && text[n * 3 + 2] != ':' && text[n * 3 + 2] != '-') return false;
        mac[n] = static_cast<std::uint8_t>(hi << 4 | lo);
    }
    return true;
}

CCliSession::CCliSession(const TCliArgs& args, CCliMainForm& mainForm, const COutput& out)
    : m_args(args), m_main(mainForm), m_out(out) {
    IPHelp().SetInterfaceFilter(args.Interfaces);
    m_engine = std::make_unique<TFormUDP>();
    m_engine->SetPorts(args.ClientPort ? args.ClientPort : UDP_CLIENT_PORT,
                       args.DevicePort ? args.DevicePort : UDP_DEVICE_PORT);
}

CCliSession::~CCliSession() {
    m_main.Handler = nullptr;
    m_engine->CloseInterface(); // the logout of a logged-in run goes out here
    m_engine.reset();
}

bool CCliSession::Discover(std::uint32_t wait, std::vector<tag_DEVICE_INFO>& devices,
                           const std::uint8_t* stopAt) {
    m_progress.Stage("Searching for devices");
    if (!m_engine->SendDiscover(wait, true)) {
        m_progress.Clear();
        return false;
    }
    QEventLoop loop;
    m_main.Handler = [&loop](TMessage& msg) {
        if (msg.Msg == UM_UDP_TIMEOUT && msg.WParam == static_cast<WPARAM>(UDP_REQ_DISCOVER)) loop.quit();
    };
    // The engine tells only the end of a discovery; a wanted device is looked for meanwhile.
    TTimer look(nullptr, 100, stopAt != nullptr);
    look.OnTimer = [&](TTimer*) {
        std::vector<tag_DEVICE_INFO> found;
        m_engine->GetDevList(found);
        for (const auto& d : found)
            if (std::memcmp(d.MacAddr, stopAt, 6) == 0) loop.quit();
    };
    loop.exec();
    m_main.Handler = nullptr;
    m_progress.Clear();
    m_engine->GetDevList(devices);
    return true;
}

int CCliSession::Connect(const std::string& wanted) {
    std::uint8_t mac[6] = {};
    const bool byMac = ParseMac(wanted, mac);
    std::vector<tag_DEVICE_INFO> devices;
    if (!Discover(DISCOVER_WAIT, devices, byMac ? mac : nullptr)) {
        m_out.Document({{"error", QJsonObject{{"message", JsonText(MessageText("ER_Ethr_Interface"))}}}});
        return EXIT_DEVICE;
    }
    if (devices.empty()) {
        NoDeviceHelp();
        m_out.Document({{"error", QJsonObject{{"message", "No device answered the discovery."}}}});
        return EXIT_DEVICE;
    }
    const tag_DEVICE_INFO* chosen = nullptr;
    if (byMac) {
        for (const auto& d : devices)
            if (std::memcmp(d.MacAddr, mac, 6) == 0) chosen = &d;
    } else if (AllDigits(wanted)) {
        const std::size_t index = std::stoul(wanted);
        if (index >= 1 && index <= devices.size()) chosen = &devices[index - 1];
    } else {
        // An exact name wins; otherwise the name in any case, which must then be unique.
        std::vector<const tag_DEVICE_INFO*> exact, folded;
        for (const auto& d : devices) {
            if (FieldText(d.DevName) == wanted) exact.push_back(&d);
            if (Lower(FieldText(d.DevName)) == Lower(wanted)) folded.push_back(&d);
        }
        const auto& matches = exact.empty() ? folded : exact;
        if (matches.size() > 1)
            return Usage("several devices are named '" + wanted + "'; give the MAC address");
        if (!matches.empty()) chosen = matches.front();
    }
    if (!chosen) {
        const std::string text = "No device matches '" + wanted + "' (" + std::to_string(devices.size()) +
                                 " answered; 'swpctl discover' lists them).";
        COutput::Error(text);
        m_out.Document({{"error", QJsonObject{{"message", JsonText(text)}}}});
        return EXIT_DEVICE;
    }

    // As the device list page does on a choice, then the password page's login and configuration read.
    g_Var.DevInfo = *chosen;
    g_Var.ResetIPSetting(g_Var.IPSetting);
    g_Var.ResetIPSetting(g_Var.NewIPSetting);
    g_Var.ResetWlProfile(g_Var.WlProfile);
    g_Var.ResetWlProfile(g_Var.NewWlProfile);
    g_Var.DeviceMode = DEVICE_AP;
    TPatternOptions options;
    options.Retry = false;
    options.LoginFirst = true;
    CRequestPattern login(
        *m_engine, [this] { m_engine->SendGetConfig(PATTERN_CONFIG_WAIT); }, options);
    const TPatternEnd end = Run(login, "Logging in");
    if (end.Result != 1) return Fail("ER_LOGIN", end);
    return EXIT_DONE;
}

TPatternEnd CCliSession::Run(CRequestPattern& pattern, const std::string& stage) {
    TPatternEnd end{2, TPatternReason::Custom, 0};
    bool finished = false;
    QEventLoop loop;
    m_progress.Stage(stage);
    m_main.Handler = [&pattern](TMessage& msg) { pattern.Handle(msg); };
    pattern.Start([&](const TPatternEnd& e) {
        end = e;
        finished = true;
        loop.quit();
    });
    if (!finished) loop.exec();
    m_main.Handler = nullptr;
    m_progress.Clear();
    return end;
}

int CCliSession::Fail(const char* key, const TPatternEnd& end, const std::string& detail) {
    const std::string text = MessageText(key);
    const std::string why = detail.empty() ? ReasonText(end) : detail;
    COutput::Error(text);
    COutput::Error("  (" + why + ")");
    m_out.Document({{"error", QJsonObject{{"message", JsonText(text)},
                                          {"detail", JsonText(why)},
                                          {"request", RequestName(end.Code)},
                                          {"reason", ReasonWord(end.Reason)}}}});
    return EXIT_DEVICE;
}

int CCliSession::Invalid(const char* key) {
    COutput::Error(MessageText(key));
    return EXIT_INVALID;
}

int CCliSession::Usage(const std::string& text) {
    COutput::Error("swpctl: " + text);
    return EXIT_INVALID;
}

std::string CCliSession::AdapterText(std::uint32_t localIP) const {
    const std::string address = HostToDotted(localIP);
    for (const CUDPSocket* socket : m_engine->Sockets())
        if (socket->LocalIP == address) return socket->Interface + " (" + address + ")";
    return address;
}

TTableRow CCliSession::DeviceRow(const tag_DEVICE_INFO& device) const {
    return {Printable(FieldText(device.DevName)), MacToStr(device.MacAddr), HostToDotted(device.DeviceIP),
            AdapterText(device.LocalIP)};
}

QJsonObject CCliSession::DeviceJson(const tag_DEVICE_INFO& device) const {
    std::string adapter;
    const std::string address = HostToDotted(device.LocalIP);
    for (const CUDPSocket* socket : m_engine->Sockets())
        if (socket->LocalIP == address) adapter = socket->Interface;
    return {{"name", JsonText(FieldText(device.DevName))},
            {"mac", QString::fromStdString(MacToStr(device.MacAddr))},
            {"ip", QString::fromStdString(HostToDotted(device.DeviceIP))},
            {"local_ip", QString::fromStdString(address)},
            {"local_netmask", QString::fromStdString(HostToDotted(device.LocalMask))},
            {"interface", QString::fromStdString(adapter)}};
}

void CCliSession::NoDeviceHelp() const {
    const unsigned port = m_args.ClientPort ? m_args.ClientPort : UDP_CLIENT_PORT;
    COutput::Error("No device answered the discovery.");
    COutput::Error("The two usual causes on Linux:");
    COutput::Error("  - a firewall drops the answers to UDP port " + std::to_string(port) +
                   ": let incoming UDP to that port through on the interface that faces the device;");
    COutput::Error("  - strict reverse-path filtering (net.ipv4.conf.*.rp_filter = 1) drops the answers of a "
                   "device whose address lies in another subnet: set net.ipv4.conf.all.rp_filter and "
                   "net.ipv4.conf.<interface>.rp_filter to 2 (loose).");
}
