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
    logLine(request.title.c_str(), request.text);
    return defaultAnswer(request);
}

void dismissOpenMessages(MessageResult answer) {
    if (MessagePresenter* presenter = g_presenter.load(std::memory_order_acquire)) {
        presenter->dismissOpen(answer);
    }
}

MessageResult tellUser(const std::string& text, MessageIcon icon, MessageButtons buttons,
                       int defaultButton) {
    MessageRequest request;
    request.text = text;
    request.title = kProgramTitle;
    request.icon = icon;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return showMessage(request);
}

void logLine(const char* who, const std::string& text) {
    // One call per line, so lines of several threads never interleave.
    std::fprintf(stderr, "%s: %s\n", who, text.c_str());
}

}  // namespace platform
