// A prompt service for tests: records every prompt and answers from a script (Yes/OK when the script is
// empty).
#pragma once

#include "platform/prompt.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class CScriptedPrompt final : public IPromptService {
public:
    struct Record {
        PromptKind Kind;
        std::string Text;
        std::string Caption;
    };

    int MessageBox(PromptKind kind, const std::string& text, const std::string& caption) override;
    std::string SaveDialog(QWidget* parent, const std::string& fileName, const std::string& defaultExt,
                           const std::string& filter) override;
    bool PrintDialog(QWidget* parent, QPrinter& printer) override;

    std::vector<Record> Shown;
    std::deque<int> Answers;                   // next message-box answers
    std::deque<std::string> SavePaths;         // next save-dialog answers ("" = cancel)
    std::deque<bool> PrintAnswers;             // next print-dialog answers
    std::function<void(const Record&)> OnShow; // runs while the box is "up"
};

// Installs a CScriptedPrompt for the life of the guard and restores the previous service afterwards.
class CScriptedPromptGuard {
public:
    CScriptedPromptGuard();
    ~CScriptedPromptGuard();
    CScriptedPrompt& operator*() { return *m_prompt; }
    CScriptedPrompt* operator->() { return m_prompt; }

private:
    CScriptedPrompt* m_prompt;
    std::unique_ptr<IPromptService> m_previous;
};
