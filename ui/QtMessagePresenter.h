// Shows the program's message boxes as Qt dialogs. Installed once at start-up; a box asked for
// from another thread (the link library's threads) is shown on the user-interface thread while
// the asking thread waits for the answer. Texts are plain text, never rich text. Every box opens
// over the program's main window.
// Thread contract: present() may be called from any thread once a QApplication exists; the
// asking thread must not be one the user-interface thread is waiting for.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <vector>

#include "platform/message_box.h"

namespace corvell::ui {

class QtMessagePresenter : public platform::MessagePresenter {
  public:
    platform::MessageResult present(const platform::MessageRequest& request) override;
    // User-interface thread only: the boxes open on it, innermost first.
    void dismissOpen(platform::MessageResult answer) override;

  private:
    std::vector<QPointer<QMessageBox>> open_;
};

// Installs the presenter for the life of the object (the program keeps one in main()).
class ScopedQtMessagePresenter {
  public:
    ScopedQtMessagePresenter() { platform::setMessagePresenter(&presenter_); }
    ~ScopedQtMessagePresenter() { platform::setMessagePresenter(nullptr); }
    ScopedQtMessagePresenter(const ScopedQtMessagePresenter&) = delete;
    ScopedQtMessagePresenter& operator=(const ScopedQtMessagePresenter&) = delete;

  private:
    QtMessagePresenter presenter_;
};

}  // namespace corvell::ui
