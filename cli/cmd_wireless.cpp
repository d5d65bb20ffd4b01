// set-wireless: the wireless profile sub-wizard in one command - network name, 802.11 mode, security, key
// checks, and the send of the confirmation page (a wireless setting in access-point mode, a station setting
// in bridge mode).
#include "app/globalvar.h"
#include "cli/clisession.h"
#include "cli/commands.h"
#include "cli/configview.h"
#include "link/formudp.h"
#include "link/inputcheck.h"

#include <cstring>
#include <map>

namespace {

constexpr std::size_t MaxSSID = 32; // what the network name box takes

// The value of a word option; -1 when absent, -2 when not one of `words`.
int Choice(const TCliArgs& args, const char* option, const std::map<std::string, int>& words) {
    if (!args.Has(option)) return -1;
    const auto it = words.find(args.Option(option));
    return it == words.end() ? -2 : it->second;
}

struct TWirelessInput {
    std::string SSID;
    int WlMode = 9;
    int Security = 0;
    std::string Key;
    int WepLength = 0;
    int Auth = -1; // -1: the page's default
    int Wpa = -1;  // -1: the page's default
};

// Everything that can be judged before the device is touched; EXIT_DONE when the input passes.
int ReadInput(CCliSession& session, TWirelessInput& in) {
    const TCliArgs& args = session.Args();
    if (!args.Has("ssid")) return session.Usage("set-wireless needs --ssid");
    in.SSID = args.Option("ssid");
    if (in.SSID.empty()) return session.Invalid("ER_Empty_SSID");
    if (in.SSID.size() > MaxSSID) return session.Usage("--ssid takes at most 32 characters");

    const int mode = Choice(args, "mode", {{"bgn", 9}, {"bg", 0}, {"n", 6}});
    if (mode == -2) return session.Usage("--mode: expected bgn, bg or n");
    if (mode >= 0) in.WlMode = mode;
    const int security = Choice(args, "security", {{"none", 0}, {"wep", 1}, {"wpa-psk", 2}});
    if (security == -2) return session.Usage("--security: expected none, wep or wpa-psk");
    if (security >= 0) in.Security = security;

    const bool wep = in.Security == 1, wpa = in.Security == 2;
    if (!wep && !wpa && (args.Has("key") || args.Has("wep-length") || args.Has("auth") || args.Has("wpa")))
        return session.Usage("--key, --wep-length, --auth and --wpa need --security wep or wpa-psk");
    if (wep && args.Has("wpa")) return session.Usage("--wpa belongs to --security wpa-psk");
    if (wpa && (args.Has("wep-length") || args.Has("auth")))
        return session.Usage("--wep-length and --auth belong to --security wep");
    if ((wep || wpa) && !args.Has("key"))
        return session.Usage("--security " + args.Option("security") + " needs --key");
    in.Key = args.Option("key");

    if (wep) {
        const int length = Choice(args, "wep-length", {{"64", 0}, {"128", 1}});
        if (length == -2) return session.Usage("--wep-length: expected 64 or 128");
        // Without a length the key tells it: 13 characters or 26 digits are a 128-bit key.
        in.WepLength = length >= 0 ? length : (in.Key.size() == 13 || in.Key.size() == 26) ? 1 : 0;
        in.Auth = Choice(args, "auth", {{"open", 0}, {"shared", 1}, {"auto", 2}});
        if (in.Auth == -2) return session.Usage("--auth: expected open, shared or auto");
        if (const TWepKeyCheck check = CheckWepKey(in.WepLength, in.Key); check.Format < 0)
            return session.Invalid(check.Key);
    } else if (wpa) {
        in.Wpa = Choice(args, "wpa", {{"wpa", 0}, {"wpa2", 1}, {"auto", 2}});
        if (in.Wpa == -2) return session.Usage("--wpa: expected wpa, wpa2 or auto");
        if (const char* key = CheckPassphrase(in.Key)) return session.Invalid(key);
    }
    return EXIT_DONE;
}

// The security page's reset for "None".
void ResetSecurity(tag_WL_PROFILE& p) {
    p.AuthMode = 0;
    p.WepKeyLen = 0;
    p.WepKeyIndex = 1;
    std::memset(p.WepKey, 0, sizeof p.WepKey);
    p.WpaMode = 2;
    p.WpaCipher = 2;
    std::memset(p.Passphrase, 0, sizeof p.Passphrase);
}

// The passphrase page derives the cipher from the text it shows for the WPA mode.
int CipherFor(int wpaMode) {
    const std::string& shown = g_Var.CipherStr[wpaMode == 0 ? 0 : wpaMode == 1 ? 1 : 2];
    if (shown == g_Var.CipherStr[0]) return 0;
    if (shown == g_Var.CipherStr[1]) return 1;
    return 2;
}

} // namespace

int RunSetWireless(CCliSession& session) {
    TWirelessInput in;
    if (const int rc = ReadInput(session, in); rc != EXIT_DONE) return rc;
    if (const int rc = session.Connect(session.Args().Arguments[0]); rc != EXIT_DONE) return rc;

    const bool ap = g_Var.DeviceMode == DEVICE_AP;
    if (in.Auth == 2 && !ap) return session.Usage("--auth auto is offered in access-point mode only");
    tag_WL_PROFILE& p = g_Var.NewWlProfile;
    p = g_Var.WlProfile;
    CopyText(p.SSID, in.SSID);
    p.StdChannel = 0;
    p.ExtChannel = 0;
    p.WlMode = in.WlMode;
    p.SecurityMode = in.Security;
    if (in.Security == 0) {
        ResetSecurity(p);
    } else if (in.Security == 1) {
        p.WepKeyLen = in.WepLength;
        CopyText(p.WepKey, in.Key);
        const bool known = g_Var.WlProfile.AuthMode >= 0 && g_Var.WlProfile.AuthMode <= 2;
        p.AuthMode = in.Auth >= 0 ? in.Auth : !ap ? 0 : known ? g_Var.WlProfile.AuthMode : 2;
    } else {
        const bool known = g_Var.WlProfile.WpaMode >= 0 && g_Var.WlProfile.WpaMode <= 2;
        p.WpaMode = in.Wpa >= 0 ? in.Wpa : ap && known ? g_Var.WlProfile.WpaMode : 2;
        p.WpaCipher = CipherFor(p.WpaMode);
        CopyText(p.Passphrase, in.Key);
    }

    TFormUDP& engine = session.Engine();
    TPatternOptions options;
    options.Pause = TPatternPause::BeforeRead;
    CRequestPattern pattern(
        engine,
        [&engine, ap] {
            if (ap)
                engine.SendWlSetting(60000);
            else
                engine.SendWlStationSetting(60000);
        },
        options);
    const TPatternEnd end =
        session.Run(pattern, ap ? "Setting the wireless network" : "Joining the wireless network");
    if (end.Result != 1) return session.Fail("ER_CONNECT", end);
    // The mode is not part of what the device reports back, so the one sent is shown.
    QJsonObject wireless = WirelessJson(g_Var.WlProfile);
    wireless["wl_mode_sent"] = in.WlMode;
    session.Out().Document({{"mode", ModeWord(g_Var.DeviceMode)}, {"wireless", wireless}});
    TFieldList fields = WirelessFields(g_Var.WlProfile);
    fields.insert(fields.begin() + 1, {"Wireless mode (sent)", WlModeText(in.WlMode)});
    session.Out().Fields(fields);
    return EXIT_DONE;
}
