// corvana-setup: the set-up wizard program.
#include "app/startup.h"
#include "launcher/formautorun.h"
#include "link/formudp.h"
#include "link/iphelp.h"
#include "wizard/formmain.h"

#include <cstring>
#include <string>
#include <vector>

namespace {
// Takes "--interface NAME" (repeatable; may name loopback) out of the arguments: only those adapters are
// used.
std::vector<std::string> takeInterfaceOptions(int& argc, char** argv) {
    std::vector<std::string> names;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--interface") == 0 && i + 1 < argc) {
            names.emplace_back(argv[++i]);
        } else if (std::strncmp(argv[i], "--interface=", 12) == 0) {
            names.emplace_back(argv[i] + 12);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return names;
}
} // namespace

int main(int argc, char** argv) {
    IPHelp().SetInterfaceFilter(takeInterfaceOptions(argc, argv));
    // The windows in their creation order; the first becomes the main window.
    const std::vector<TWindowFactory> windows = {
        {"FormAutorun", [] { return FormAutorun = new TFormAutorun(); }},
        {"FormMain", [] { return FormMain = new TFormMain(); }},
        {"FormUDP", [] { return new TFormUDP(); }}, // the protocol engine, never shown; sets FormUDP
        // FormWPSSurvey, the WPS site survey dialog (hidden), comes here.
    };
    return RunStartup(argc, argv, windows);
}
