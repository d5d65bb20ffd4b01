// The replaceable prompt service: message boxes, the save dialog and the print dialog.
#pragma once

#include <memory>
#include <string>

class QPrinter;
class QWidget;

enum class PromptKind {
    Information, // OK button, information icon
    Question,    // Yes and No buttons, no icon
    Error,       // the standard exception box: OK button, error icon
};

constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class IPromptService {
public:
    virtual ~IPromptService() = default;
    // Returns IDOK, IDYES or IDNO.
    virtual int MessageBox(PromptKind kind, const std::string& text, const std::string& caption) = 0;
    // Asks for a file to save; empty when cancelled. `filter` is a Qt name filter such as "Text files
    // (*.txt)".
    virtual std::string SaveDialog(QWidget* parent, const std::string& fileName,
                                   const std::string& defaultExt, const std::string& filter) = 0;
    // Lets the user set up `printer`; false when cancelled.
    virtual bool PrintDialog(QWidget* parent, QPrinter& printer) = 0;
};

namespace Prompt {
IPromptService& Service();
// Installs a service (the real dialogs when none was installed); returns the one it replaces.
std::unique_ptr<IPromptService> Install(std::unique_ptr<IPromptService> service);
} // namespace Prompt

// The product's prompt service: real Qt dialogs.
std::unique_ptr<IPromptService> MakeQtPromptService();
