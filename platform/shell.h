// Shell services: open a document or address, explore a folder, "is a program associated", start a file.
#pragma once

#include <memory>
#include <string>

class IShell {
public:
    virtual ~IShell() = default;
    // Opens a document, folder or address with its associated program; true when handed over.
    virtual bool Open(const std::string& target) = 0;
    // Opens a folder in the file manager; true when handed over.
    virtual bool Explore(const std::string& folder) = 0;
    // True when some program is associated with the file's type.
    virtual bool HasAssociatedProgram(const std::string& file) = 0;
    // Starts a program file without waiting; true when it started.
    virtual bool StartFile(const std::string& file) = 0;
    // True when a top-level window with exactly this title exists.
    virtual bool FindWindowByTitle(const std::string& title) = 0;
};

namespace Shell {
IShell& Service();
// Installs a shell (the system one when none was installed); returns the one it replaces.
std::unique_ptr<IShell> Install(std::unique_ptr<IShell> shell);
} // namespace Shell

// The system shell: xdg-open, xdg-mime, QProcess and the X11 window list.
std::unique_ptr<IShell> MakeSystemShell();
