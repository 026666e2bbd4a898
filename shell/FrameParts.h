// How the main window holds the windows the program hands it: each panel with the one extra
// service the frame may ask of it (redrawing its band-scope pane), and each dialog with its
// set-up and heartbeat step. framePanel/frameDialog find those members by name on the window's
// own class, so a panel or dialog needs no base class beyond ui::PanelWindow or ui::Form.
// Thread contract: user-interface thread only.
#pragma once

#include <QPointer>
#include <functional>

#include "ui/Form.h"
#include "ui/PanelWindow.h"

namespace corvell::shell {

struct FramePanel {
    ui::PanelWindow* window = nullptr;
    // ScopeRefreshDisp of a panel with a band-scope pane (frmScope, frmReceiver); else empty.
    std::function<void()> scopeRefresh;
};

struct FrameDialog {
    ui::Form* form = nullptr;
    std::function<void()> init;  // Init, once, before the dialog is loaded
    std::function<void()> task;  // Task_exec, each heartbeat tick while the dialog is visible
};

template <class P>
FramePanel framePanel(P* panel) {
    FramePanel f;
    f.window = panel;
    if constexpr (requires { panel->ScopeRefreshDisp(); }) {
        QPointer<P> p(panel);
        f.scopeRefresh = [p] {
            if (p) p->ScopeRefreshDisp();
        };
    }
    return f;
}

template <class D>
FrameDialog frameDialog(D* dialog) {
    FrameDialog f;
    f.form = dialog;
    QPointer<D> d(dialog);
    if constexpr (requires { dialog->Init(); }) {
        f.init = [d] {
            if (d) d->Init();
        };
    }
    if constexpr (requires { dialog->Task_exec(); }) {
        f.task = [d] {
            if (d) d->Task_exec();
        };
    }
    return f;
}

// Makes one panel; the frame loads it, calls Init and places it.
using PanelFactory = std::function<FramePanel()>;
// Makes one of the frame's dialogs; none (empty) while that dialog is not built.
using DialogFactory = std::function<FrameDialog()>;

}  // namespace corvell::shell
