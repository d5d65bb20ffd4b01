// swpctl: provisions devices from a terminal or a script, on the protocol engine the wizard uses.
#include "app/debug.h"
#include "app/globalvar.h"
#include "cli/cliargs.h"
#include "cli/climainform.h"
#include "cli/clioutput.h"
#include "cli/clisession.h"
#include "cli/commands.h"
#include "cli/consoleprompt.h"
#include "platform/application.h"
#include "platform/prompt.h"
#include "platform/tickclock.h"

#include <cstdio>
#include <memory>

int RunCommand(CCliSession& session) {
    const std::string& command = session.Args().Command;
    if (command == "discover") return RunDiscover(session);
    if (command == "show") return RunShow(session);
    if (command == "survey") return RunSurvey(session);
    if (command == "set-ip") return RunSetIP(session);
    if (command == "set-mode") return RunSetMode(session);
    if (command == "set-wireless") return RunSetWireless(session);
    if (command == "wps") return RunWps(session);
    return session.Usage("unknown command '" + command + "'");
}

int main(int argc, char** argv) {
    TCliArgs args;
    std::string error;
    if (!ParseArgs(argc, argv, args, error)) {
        std::fprintf(stderr, "swpctl: %s\nTry 'swpctl --help' for more information.\n", error.c_str());
        return EXIT_INVALID;
    }
    if (args.Help) {
        std::fputs(UsageText(), stdout);
        return EXIT_DONE;
    }

    TGuardedCoreApplication app(argc, argv);
    std::unique_ptr<CDebug> log;
    if (!args.LogFile.empty()) {
        log = std::make_unique<CDebug>(CDebug::TFile{args.LogFile});
        if (!log->Enabled()) {
            std::fprintf(stderr, "swpctl: cannot write the log file '%s'\n", args.LogFile.c_str());
            return EXIT_INVALID;
        }
        RedirectLog(log.get());
    }
    g_Var.LoadConfig();
    if (args.PasswordGiven) g_Var.Password = args.Password;
    TickClock::SetTimeScale(args.TimeScale);
    // Message boxes (the adapter failure, an uncaught exception) become lines on standard error.
    auto previousPrompt = Prompt::Install(std::make_unique<CConsolePrompt>());
    TApplication::Instance().SetTitle("swpctl");

    CCliMainForm mainForm;
    TApplication::Instance().SetMainForm(&mainForm);
    const COutput out(args.Json);
    int rc = EXIT_DEVICE;
    {
        CCliSession session(args, mainForm, out);
        rc = RunCommand(session);
    }
    TApplication::Instance().SetMainForm(nullptr);
    Prompt::Install(std::move(previousPrompt));
    RedirectLog(nullptr);
    return rc;
}
