// The message-box presenter the program installs at start-up: shows a real Qt message box on
// the user-interface thread, whichever thread asks (a call from another thread waits there
// until the user has answered).
// Thread contract: present() may be called from any thread once the presenter exists; create
// and destroy it on the user-interface thread.
#pragma once

#include "platform/message_box.h"

namespace corvell::ui {

class QtMessagePresenter : public platform::MessagePresenter {
  public:
    // Installs itself; the destructor removes it again.
    QtMessagePresenter();
    ~QtMessagePresenter() override;
    QtMessagePresenter(const QtMessagePresenter&) = delete;
    QtMessagePresenter& operator=(const QtMessagePresenter&) = delete;

    platform::MessageResult present(const platform::MessageRequest& request) override;
};

}  // namespace corvell::ui
