// corvana-setup: the set-up wizard program.
#include "app/startup.h"

int main(int argc, char** argv) {
    // The windows in their creation order; the first becomes the main window.
    const std::vector<TWindowFactory> windows = {};
    return RunStartup(argc, argv, windows);
}
