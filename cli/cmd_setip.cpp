// set-ip: the device's address by DHCP (the set-up method page) or a static one (the IP configuration page).
#include "app/globalvar.h"
#include "cli/clisession.h"
#include "cli/commands.h"
#include "cli/configview.h"
#include "link/formudp.h"
#include "link/inputcheck.h"
#include "link/iphelp.h"

#include <algorithm>

namespace {

// The address control holds four fields; a fifth cannot be typed, so text with one is refused outright.
bool TooManyFields(const std::string& text) {
    return std::count(text.begin(), text.end(), '.') > 3;
}

std::uint32_t FieldsValue(const TIPFields& fields) {
    return DottedToHost(IPFieldsText(fields));
}

int Report(CCliSession& session, const std::string& note) {
    session.Out().Document({{"changed", note.empty()}, {"ip", IPJson(g_Var.IPSetting)}});
    if (!note.empty()) session.Out().Line(note);
    session.Out().Fields(IPFields(g_Var.IPSetting));
    return EXIT_DONE;
}

// Sends NewIPSetting the pages' way: pause after the accepted change, then the configuration read.
int Send(CCliSession& session, std::uint32_t wait) {
    TFormUDP& engine = session.Engine();
    TPatternOptions options;
    options.Pause = TPatternPause::BeforeRead;
    CRequestPattern pattern(
        engine, [&engine, wait] { engine.SendIPSetting(wait); }, options);
    const TPatternEnd end = session.Run(pattern, "Setting the IP address");
    if (end.Result != 1) return session.Fail("ER_CONNECT", end);
    return Report(session, std::string());
}

int SetDhcp(CCliSession& session) {
    if (session.Args().Has("ip") || session.Args().Has("mask") || session.Args().Has("gateway"))
        return session.Usage("set-ip dhcp takes no --ip, --mask or --gateway");
    if (const int rc = session.Connect(session.Args().Arguments[0]); rc != EXIT_DONE) return rc;
    g_Var.SetupType = 0;
    g_Var.NewIPSetting = g_Var.IPSetting;
    if (g_Var.NewIPSetting.DHCP)
        return Report(session, "The device already obtains its address by DHCP; nothing sent.");
    g_Var.NewIPSetting.DHCP = 1;
    return Send(session, 35000);
}

int SetStatic(CCliSession& session) {
    const TCliArgs& args = session.Args();
    if (!args.Has("ip") || !args.Has("mask")) return session.Usage("set-ip static needs --ip and --mask");
    const std::string ipText = ApplyLastNumberRule(args.Option("ip"));
    const std::string maskText = args.Option("mask"), gatewayText = args.Option("gateway");
    if (TooManyFields(ipText)) return session.Invalid("ErIPAddr");
    if (TooManyFields(maskText)) return session.Invalid("ErSubnetMask");
    if (TooManyFields(gatewayText)) return session.Invalid("ErDefaultGateway");
    const TIPFields ip = SplitDotted(ipText), mask = SplitDotted(maskText),
                    gateway = SplitDotted(gatewayText);
    // Every rule but the one about the local adapter can be judged before the device is touched.
    if (const char* key = CheckStaticIP(ip, mask, gateway, std::string())) return session.Invalid(key);

    if (const int rc = session.Connect(args.Arguments[0]); rc != EXIT_DONE) return rc;
    if (const char* key = CheckStaticIP(ip, mask, gateway, session.Engine().LastLocalIP())) {
        return session.Invalid(key);
    }
    g_Var.SetupType = 0;
    g_Var.NewIPSetting = g_Var.IPSetting;
    g_Var.NewIPSetting.DHCP = 0;
    g_Var.NewIPSetting.IPAddr = FieldsValue(ip);
    g_Var.NewIPSetting.NetMask = FieldsValue(mask);
    g_Var.NewIPSetting.Gateway = FieldsValue(gateway); // empty: 0
    if (g_Var.NewIPSetting == g_Var.IPSetting)
        return Report(session, "The device already has these settings; nothing sent.");
    return Send(session, 32000);
}

} // namespace

int RunSetIP(CCliSession& session) {
    const std::string method = session.Args().Arguments[1];
    if (method == "dhcp") return SetDhcp(session);
    if (method == "static") return SetStatic(session);
    return session.Usage("set-ip: expected dhcp or static, not '" + method + "'");
}
