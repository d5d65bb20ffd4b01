// CConsolePrompt: the prompt service of the console program; message boxes become lines on standard error.
#pragma once

#include "platform/prompt.h"

class CConsolePrompt final : public IPromptService {
public:
    // Prints the text; questions are answered No (nobody is there to say Yes).
    int MessageBox(PromptKind kind, const std::string& text, const std::string& caption) override;
    // Nothing to choose from a terminal: cancelled.
    std::string SaveDialog(QWidget* parent, const std::string& fileName, const std::string& defaultExt,
                           const std::string& filter) override;
    bool PrintDialog(QWidget* parent, QPrinter& printer) override;
};
