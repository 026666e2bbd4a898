// A message presenter for tests: records every box and answers from a script (then with the
// box's default button).
// Thread contract: safe to call from several threads; read `shown()` once the boxes are done.
#pragma once

#include <deque>
#include <mutex>
#include <vector>

#include "platform/message_box.h"

namespace platform {

class ScriptedPresenter : public MessagePresenter {
  public:
    ScriptedPresenter() { setMessagePresenter(this); }
    ~ScriptedPresenter() override { setMessagePresenter(nullptr); }
    ScriptedPresenter(const ScriptedPresenter&) = delete;
    ScriptedPresenter& operator=(const ScriptedPresenter&) = delete;

    void answerNext(MessageResult answer) {
        std::lock_guard lock(mutex_);
        answers_.push_back(answer);
    }

    MessageResult present(const MessageRequest& request) override {
        std::lock_guard lock(mutex_);
        shown_.push_back(request);
        if (answers_.empty()) return defaultAnswer(request);
        const MessageResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::vector<MessageRequest> shown() const {
        std::lock_guard lock(mutex_);
        return shown_;
    }

  private:
    mutable std::mutex mutex_;
    std::deque<MessageResult> answers_;
    std::vector<MessageRequest> shown_;
};

}  // namespace platform
