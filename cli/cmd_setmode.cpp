// set-mode: access point or bridge, the device mode page's way.
#include "app/globalvar.h"
#include "cli/clisession.h"
#include "cli/commands.h"
#include "cli/configview.h"
#include "link/formudp.h"

namespace {

int Report(CCliSession& session, bool changed) {
    session.Out().Document({{"changed", changed}, {"mode", ModeWord(g_Var.DeviceMode)}});
    if (!changed) session.Out().Line("The device is already in this mode; nothing sent.");
    session.Out().Fields({{"Mode", ModeText(g_Var.DeviceMode)}});
    return EXIT_DONE;
}

} // namespace

int RunSetMode(CCliSession& session) {
    const std::string word = session.Args().Arguments[1];
    int mode = 0;
    if (word == "ap")
        mode = DEVICE_AP;
    else if (word == "bridge")
        mode = DEVICE_WBRIDGE;
    else
        return session.Usage("set-mode: expected ap or bridge, not '" + word + "'");

    if (const int rc = session.Connect(session.Args().Arguments[0]); rc != EXIT_DONE) return rc;
    if (g_Var.DeviceMode == mode) return Report(session, false);
    g_Var.DeviceMode = mode;
    TFormUDP& engine = session.Engine();
    TPatternOptions options;
    options.LogoutOnRetry = false;            // the device may be busy changing its mode: log in again only
    options.Pause = TPatternPause::AfterRead; // the device settles after reporting its new mode
    CRequestPattern pattern(
        engine, [&engine, mode] { engine.SendSetMode(28000, mode); }, options);
    const TPatternEnd end = session.Run(pattern, "Changing the mode");
    if (end.Result != 1) return session.Fail("ER_CONNECT", end);
    return Report(session, true);
}
