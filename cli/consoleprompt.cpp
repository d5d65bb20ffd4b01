#include "cli/consoleprompt.h"

#include <cstdio>

int CConsolePrompt::MessageBox(PromptKind kind, const std::string& text, const std::string& caption) {
    (void)caption;
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    return kind == PromptKind::Question ? IDNO : IDOK;
}

std::string CConsolePrompt::SaveDialog(QWidget* parent, const std::string& fileName,
                                       const std::string& defaultExt, const std::string& filter) {
    (void)parent, (void)fileName, (void)defaultExt, (void)filter;
    return {};
}

bool CConsolePrompt::PrintDialog(QWidget* parent, QPrinter& printer) {
    (void)parent, (void)printer;
    return false;
}
