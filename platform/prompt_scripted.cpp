#include "platform/prompt_scripted.h"

int CScriptedPrompt::MessageBox(PromptKind kind, const std::string& text, const std::string& caption) {
    Shown.push_back({kind, text, caption});
    if (OnShow) OnShow(Shown.back());
    if (Answers.empty()) return kind == PromptKind::Question ? IDYES : IDOK;
    const int a = Answers.front();
    Answers.pop_front();
    return a;
}

std::string CScriptedPrompt::SaveDialog(QWidget*, const std::string&, const std::string&,
                                        const std::string&) {
    if (SavePaths.empty()) return {};
    auto p = SavePaths.front();
    SavePaths.pop_front();
    return p;
}

bool CScriptedPrompt::PrintDialog(QWidget*, QPrinter&) {
    if (PrintAnswers.empty()) return false;
    const bool a = PrintAnswers.front();
    PrintAnswers.pop_front();
    return a;
}

CScriptedPromptGuard::CScriptedPromptGuard() {
    auto p = std::make_unique<CScriptedPrompt>();
    m_prompt = p.get();
    m_previous = Prompt::Install(std::move(p));
}

CScriptedPromptGuard::~CScriptedPromptGuard() {
    Prompt::Install(std::move(m_previous));
}
