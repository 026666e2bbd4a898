#include "app/ProgramEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

#include "platform/message_box.h"
#include "shell/frmMain.h"

namespace corvell::app {

ProgramEnd::ProgramEnd(shell::frmMain& main) : main_(main) {
    if (signals_.valid()) {
        notifier_ = std::make_unique<QSocketNotifier>(signals_.readFd(), QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, &context_,
                         [this] { takeSignals(); });
    }
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(gui, &QGuiApplication::commitDataRequest, &context_,
                         [this](QSessionManager& manager) { commitData(manager); });
        QObject::connect(gui, &QCoreApplication::aboutToQuit, &context_, [this] {
            if (!main_.ended() && !ending_) endWithoutAsking();
        });
    }
}

ProgramEnd::~ProgramEnd() = default;

void ProgramEnd::listen() {
    listening_ = true;
    // Taken once the program's own event loop runs.
    if (askedWhileStarting_) QTimer::singleShot(0, &context_, [this] { request(); });
}

void ProgramEnd::takeSignals() {
    // One signal per wake-up: a second one still in the pipe wakes the prompt's own loop.
    if (signals_.take() == 0) return;
    if (listening_) {
        request();
    } else {
        endStart();
    }
}

void ProgramEnd::endStart() {
    askedWhileStarting_ = true;
    main_.endStart();
}

void ProgramEnd::request() {
    if (main_.ended()) return;
    if (ending_) {
        platform::dismissOpenMessages(platform::MessageResult::No);
        return;
    }
    ending_ = true;
    if (!main_.close()) {
        ending_ = false;  // kept running (Cancel at the prompt): a later request starts afresh
        return;
    }
    if (main_.isVisible()) {
        // The window was closing already (File > Exit) and is still asking: this request is
        // the second one.
        platform::dismissOpenMessages(platform::MessageResult::No);
        return;
    }
    // A box that was open before the request (the link prompt) must not hold the end up.
    platform::dismissOpenMessages(platform::MessageResult::Cancel);
}

void ProgramEnd::endWithoutAsking() {
    // The answer is given from inside the prompt's own loop, once it is open.
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout,
                     [] { platform::dismissOpenMessages(platform::MessageResult::No); });
    answer.start();
    ending_ = false;
    request();
}

void ProgramEnd::commitData(QSessionManager& manager) {
    if (!listening_) {
        // Nothing was changed yet that the session should wait for.
        endStart();
        return;
    }
    if (manager.allowsInteraction()) {
        request();
        manager.release();
        if (!main_.ended() && !ending_) manager.cancel();  // the user kept the program
        return;
    }
    endWithoutAsking();
}

}  // namespace corvell::app
