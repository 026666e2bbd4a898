#include "platform/message_box.h"

#include <atomic>
#include <cstdio>
#include <vector>

namespace platform {
namespace {

std::atomic<MessagePresenter*> g_presenter{nullptr};

std::vector<MessageResult> buttonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return {MessageResult::Ok};
        case MessageButtons::OkCancel:
            return {MessageResult::Ok, MessageResult::Cancel};
        case MessageButtons::YesNo:
            return {MessageResult::Yes, MessageResult::No};
        case MessageButtons::YesNoCancel:
            return {MessageResult::Yes, MessageResult::No, MessageResult::Cancel};
        case MessageButtons::RetryCancel:
            return {MessageResult::Retry, MessageResult::Cancel};
    }
    return {MessageResult::Ok};
}

}  // namespace

void setMessagePresenter(MessagePresenter* presenter) {
    g_presenter.store(presenter, std::memory_order_release);
}

MessageResult defaultAnswer(const MessageRequest& request) {
    const auto choices = buttonsOf(request.buttons);
    const auto index = static_cast<size_t>(request.defaultButton);
    return index < choices.size() ? choices[index] : choices.front();
}

MessageResult showMessage(const MessageRequest& request) {
    if (MessagePresenter* presenter = g_presenter.load(std::memory_order_acquire)) {
        return presenter->present(request);
    }
    std::fprintf(stderr, "%s: %s\n", request.title.c_str(), request.text.c_str());
    return defaultAnswer(request);
}

}  // namespace platform
