#include "platform/prompt.h"

namespace {
std::unique_ptr<IPromptService>& slot() {
    static std::unique_ptr<IPromptService> service;
    return service;
}
} // namespace

namespace Prompt {
IPromptService& Service() {
    if (!slot()) slot() = MakeQtPromptService();
    return *slot();
}

std::unique_ptr<IPromptService> Install(std::unique_ptr<IPromptService> service) {
    auto old = std::move(slot());
    slot() = std::move(service);
    return old;
}
} // namespace Prompt
