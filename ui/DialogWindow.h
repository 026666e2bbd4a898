// A dialog the main window keeps for the whole run (scan options, tone squelch, DTMF option and
// message, AF output): created once, prepared by Init, loaded, shown and hidden by command, and
// given a heartbeat step while it is visible where it needs one.
// Thread contract: user-interface thread only.
#pragma once

#include "ui/Form.h"

namespace corvell::ui {

class DialogWindow : public Form {
    Q_OBJECT

  public:
    using Form::Form;
    // Once, before the dialog is loaded.
    virtual void Init() {}
    // One heartbeat step (only dialogs that follow the receiver do anything).
    virtual void Task_exec() {}
};

}  // namespace corvell::ui
