#include "app/ProgramEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

#include "core/SettingsWriteWatch.h"
#include "platform/message_box.h"
#include "shell/frmMain.h"

namespace corvell::app {

ProgramEnd::ProgramEnd(shell::frmMain& main, SettingsWriteWatch& settingsWatch)
    : main_(main), settingsWatch_(settingsWatch) {
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
    if (main_.ended()) {
        // Ended, and still telling that the settings could not be written (File > Exit on a
        // full disk): that box must not hold this end up.
        platform::dismissOpenMessages(platform::MessageResult::Ok);
        return;
    }
    if (ending_) {
        platform::dismissOpenMessages(platform::MessageResult::No);
        return;
    }
    ending_ = true;
    // Nobody may be there to answer a box: a failed write of this end goes to the log only.
    settingsWatch_.showBoxes(false);
    if (!main_.close()) {
        // Kept running (Cancel at the prompt): a later request starts afresh.
        ending_ = false;
        settingsWatch_.showBoxes(true);
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
