#include "ui/QtMessagePresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace corvell::ui {

namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

platform::MessageResult showOnThisThread(const platform::MessageRequest& r) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(r.title));
    box.setText(QString::fromStdString(r.text));
    switch (r.icon) {
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MessageIcon::None:
            break;
    }
    struct Choice {
        QMessageBox::StandardButton button;
        MessageResult result;
    };
    std::vector<Choice> choices;
    switch (r.buttons) {
        case MessageButtons::Ok:
            choices = {{QMessageBox::Ok, MessageResult::Ok}};
            break;
        case MessageButtons::OkCancel:
            choices = {{QMessageBox::Ok, MessageResult::Ok},
                       {QMessageBox::Cancel, MessageResult::Cancel}};
            break;
        case MessageButtons::YesNo:
            choices = {{QMessageBox::Yes, MessageResult::Yes},
                       {QMessageBox::No, MessageResult::No}};
            break;
        case MessageButtons::YesNoCancel:
            choices = {{QMessageBox::Yes, MessageResult::Yes},
                       {QMessageBox::No, MessageResult::No},
                       {QMessageBox::Cancel, MessageResult::Cancel}};
            break;
        case MessageButtons::RetryCancel:
            choices = {{QMessageBox::Retry, MessageResult::Retry},
                       {QMessageBox::Cancel, MessageResult::Cancel}};
            break;
    }
    QMessageBox::StandardButtons all;
    for (const Choice& c : choices) all |= c.button;
    box.setStandardButtons(all);
    const std::size_t def = static_cast<std::size_t>(std::max(0, r.defaultButton));
    if (def < choices.size()) box.setDefaultButton(choices[def].button);
    const int answer = box.exec();
    for (const Choice& c : choices) {
        if (answer == c.button) return c.result;
    }
    // Closed by Esc or the close box: the cancelling answer where there is one.
    return choices.size() > 1 ? choices.back().result : choices.front().result;
}

}  // namespace

QtMessagePresenter::QtMessagePresenter() {
    platform::setMessagePresenter(this);
}

QtMessagePresenter::~QtMessagePresenter() {
    platform::setMessagePresenter(nullptr);
}

platform::MessageResult QtMessagePresenter::present(const platform::MessageRequest& request) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return platform::defaultAnswer(request);
    if (QThread::currentThread() == app->thread()) return showOnThisThread(request);
    MessageResult result = platform::defaultAnswer(request);
    QMetaObject::invokeMethod(
        app, [&] { result = showOnThisThread(request); }, Qt::BlockingQueuedConnection);
    return result;
}

}  // namespace corvell::ui
