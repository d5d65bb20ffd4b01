// The entry path: configuration, single instance, application object, skin holder, windows, message loop.
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

// One window of the creation order; the first one created becomes the main window.
struct TWindowFactory {
    std::string Name;
    std::function<QObject*()> Create;
};

struct TStartupOptions {
    // Program file the ini and the single-instance name derive from; the running program when empty.
    std::string ProgramPath;
};

// Runs the program and returns its exit code (0 on every path).
int RunStartup(int& argc, char** argv, const std::vector<TWindowFactory>& windows,
               const TStartupOptions& options = {});
