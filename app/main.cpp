// corvana-setup: the set-up wizard program.
#include "app/startup.h"
#include "launcher/formautorun.h"
#include "wizard/formmain.h"

int main(int argc, char** argv) {
    // The windows in their creation order; the first becomes the main window.
    const std::vector<TWindowFactory> windows = {
        {"FormAutorun", [] { return FormAutorun = new TFormAutorun(); }},
        {"FormMain", [] { return FormMain = new TFormMain(); }},
        // FormUDP, the protocol engine (never shown), comes here.
        // FormWPSSurvey, the WPS site survey dialog (hidden), comes here, after FormUDP.
    };
    return RunStartup(argc, argv, windows);
}
