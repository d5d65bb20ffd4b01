// wps: Wi-Fi Protected Setup by push button or PIN, the WPS page's way, following the device's status events.
#include "app/globalvar.h"
#include "cli/clisession.h"
#include "cli/commands.h"
#include "cli/configview.h"
#include "cli/wpsfollow.h"
#include "cli/wpsstatus.h"
#include "link/formudp.h"
#include "link/inputcheck.h"

#include <QJsonArray>

#include <cstring>

namespace {

bool Digits(const std::string& text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Bridge mode: the device's own PIN, as the WPS page reads it on entry; empty when it did not come.
std::string StationPin(CCliSession& session) {
    TFormUDP& engine = session.Engine();
    TPatternOptions options;
    options.Retry = false;
    options.ReadConfig = false;
    CRequestPattern read(
        engine, [&engine] { engine.SendStationGetConfig(3000); }, options);
    std::memset(g_Var.ClientPIN, 0, sizeof g_Var.ClientPIN);
    if (session.Run(read, "Reading the device PIN").Result != 1) return {};
    return std::string(FieldText(g_Var.ClientPIN));
}

} // namespace

int RunWps(CCliSession& session) {
    const TCliArgs& args = session.Args();
    const std::string method = args.Arguments[1];
    const bool pin = method == "pin";
    if (!pin && method != "pbc") return session.Usage("wps: expected pbc or pin, not '" + method + "'");
    if (!pin && (args.Arguments.size() > 2 || args.Has("ssid")))
        return session.Usage("wps pbc takes no PIN and no --ssid");
    if (pin && args.Arguments.size() > 2 && !Digits(args.Arguments[2])) return session.Invalid("ER_PIN_Code");

    if (const int rc = session.Connect(args.Arguments[0]); rc != EXIT_DONE) return rc;
    const bool ap = g_Var.DeviceMode == DEVICE_AP;
    if (ap && args.Has("ssid")) return session.Usage("--ssid is used in bridge mode only");
    const std::string devicePin = ap ? std::string() : StationPin(session);

    g_Var.NewWlProfile = g_Var.WlProfile;
    g_Var.WpsType = pin ? 0 : 1;
    if (pin) {
        const std::string text = args.Arguments.size() > 2 ? args.Arguments[2] : devicePin;
        if (text.empty() && !ap)
            return session.Fail("ER_CONNECT", {2, TPatternReason::TimedOut, UDP_REQ_STATION_GET_CONFIG},
                                "the device did not report its PIN");
        if (text.empty() || !Digits(text) || CheckWpsPin(text, g_Var.DeviceMode))
            return session.Invalid("ER_PIN_Code");
        g_Var.NewWlProfile.EnrolleePin = static_cast<std::uint32_t>(std::stoul(text));
        if (!ap) CopyText(g_Var.NewWlProfile.SSID, args.Option("ssid"));
    }
    if (!devicePin.empty()) session.Out().Line("Device PIN: " + devicePin);

    QJsonArray statuses;
    CWpsFollower follower(g_Var.DeviceMode, [&](int code) {
        statuses.append(QJsonObject{{"code", code}, {"text", WpsStatusText(code)}});
        session.Progress().Clear();
        session.Out().Line("WPS status " + std::to_string(code) + ": " + WpsStatusText(code));
        session.Progress().Resume();
    });
    TFormUDP& engine = session.Engine();
    TPatternOptions options;
    options.OnAccepted = [&follower](int) { follower.Accepted(); };
    options.OnEvent = [&follower](TMessage& msg) { follower.Event(msg); };
    CRequestPattern pattern(
        engine,
        [&engine, pin] {
            if (pin)
                engine.SendWPSPIN(10000);
            else
                engine.SendWPSPBC(10000);
        },
        options);
    follower.SetPattern(&pattern);
    const TPatternEnd end = session.Run(pattern, "Running WPS");
    if (end.Result != 1) return session.Fail("ER_CONNECT", end, follower.Detail());

    QJsonObject document{{"method", QString::fromStdString(method)}, {"statuses", statuses}};
    if (!devicePin.empty()) document["device_pin"] = QString::fromStdString(devicePin);
    if (ap) document["wireless"] = WirelessJson(g_Var.WlProfile);
    session.Out().Document(document);
    session.Out().Line("WPS done.");
    if (ap) session.Out().Fields(WirelessFields(g_Var.WlProfile));
    return EXIT_DONE;
}
