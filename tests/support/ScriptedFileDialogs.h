// A file-dialog stand-in for tests: installs itself, records every request and answers from a
// script (a path, or std::nullopt for Cancel); with the script empty it answers Cancel.
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/FileDialogs.h"

namespace corvell::test {

class ScriptedFileDialogs : public ui::FileDialogs {
  public:
    struct Shown {
        bool save;
        ui::FileDialogRequest request;
    };

    ScriptedFileDialogs() { ui::setFileDialogs(this); }
    ~ScriptedFileDialogs() override { ui::setFileDialogs(nullptr); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void answerNext(std::optional<QString> answer) {
        answers_.push_back({answer.has_value(), answer.value_or(QString())});
    }
    const std::vector<Shown>& shown() const { return shown_; }

    std::optional<QString> getOpenFileName(const ui::FileDialogRequest& request) override {
        return answer(false, request);
    }
    std::optional<QString> getSaveFileName(const ui::FileDialogRequest& request) override {
        return answer(true, request);
    }

  private:
    std::optional<QString> answer(bool save, const ui::FileDialogRequest& request) {
        shown_.push_back({save, request});
        if (answers_.empty()) return std::nullopt;
        const Answer next = answers_.front();
        answers_.pop_front();
        if (!next.chosen) return std::nullopt;
        return next.path;
    }

    struct Answer {
        bool chosen;
        QString path;
    };
    std::deque<Answer> answers_;
    std::vector<Shown> shown_;
};

}  // namespace corvell::test
