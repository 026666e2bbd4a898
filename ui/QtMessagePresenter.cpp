#include "ui/QtMessagePresenter.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <vector>

namespace corvell::ui {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

struct Choice {
    QMessageBox::StandardButton button;
    MessageResult result;
};

std::vector<Choice> choicesOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return {{QMessageBox::Ok, MessageResult::Ok}};
        case MessageButtons::OkCancel:
            return {{QMessageBox::Ok, MessageResult::Ok},
                    {QMessageBox::Cancel, MessageResult::Cancel}};
        case MessageButtons::YesNo:
            return {{QMessageBox::Yes, MessageResult::Yes}, {QMessageBox::No, MessageResult::No}};
        case MessageButtons::YesNoCancel:
            return {{QMessageBox::Yes, MessageResult::Yes},
                    {QMessageBox::No, MessageResult::No},
                    {QMessageBox::Cancel, MessageResult::Cancel}};
        case MessageButtons::RetryCancel:
            return {{QMessageBox::Retry, MessageResult::Retry},
                    {QMessageBox::Cancel, MessageResult::Cancel}};
    }
    return {{QMessageBox::Ok, MessageResult::Ok}};
}

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The texts carry the line breaks of the system they were written for.
QString plain(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// Every prompt opens over the program's main window (the one shown main window), wherever the
// focus is; without one, over the active window.
QWidget* ownerOfPrompts() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(w) != nullptr && w->isVisible()) return w;
    }
    return QApplication::activeWindow();
}

MessageResult showOnThisThread(const platform::MessageRequest& request,
                               std::vector<QPointer<QMessageBox>>& open) {
    const std::vector<Choice> choices = choicesOf(request.buttons);
    QMessageBox box(iconOf(request.icon), plain(request.title), plain(request.text),
                    QMessageBox::NoButton, ownerOfPrompts());
    box.setTextFormat(Qt::PlainText);
    QMessageBox::StandardButtons buttons;
    for (const Choice& c : choices) buttons |= c.button;
    box.setStandardButtons(buttons);
    const auto index = static_cast<size_t>(request.defaultButton);
    box.setDefaultButton(choices[index < choices.size() ? index : 0].button);
    // Escape and the close box answer with Cancel where there is one, else the default.
    box.setEscapeButton(buttons.testFlag(QMessageBox::Cancel)
                            ? QMessageBox::Cancel
                            : choices[index < choices.size() ? index : 0].button);
    open.emplace_back(&box);
    box.exec();
    std::erase_if(open, [&](const QPointer<QMessageBox>& b) { return b == &box || !b; });
    const auto clicked = box.standardButton(box.clickedButton());
    for (const Choice& c : choices) {
        if (c.button == clicked) return c.result;
    }
    return platform::defaultAnswer(request);
}

}  // namespace

MessageResult QtMessagePresenter::present(const platform::MessageRequest& request) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return platform::defaultAnswer(request);
    if (QThread::currentThread() == app->thread()) return showOnThisThread(request, open_);
    MessageResult result = platform::defaultAnswer(request);
    QMetaObject::invokeMethod(
        app, [&] { result = showOnThisThread(request, open_); }, Qt::BlockingQueuedConnection);
    return result;
}

void QtMessagePresenter::dismissOpen(MessageResult answer) {
    QMessageBox::StandardButton wanted = QMessageBox::NoButton;
    for (MessageButtons set :
         {MessageButtons::YesNoCancel, MessageButtons::RetryCancel, MessageButtons::Ok}) {
        for (const Choice& c : choicesOf(set)) {
            if (c.result == answer) wanted = c.button;
        }
    }
    // Innermost first: each box's own event loop ends as the stack unwinds.
    const std::vector<QPointer<QMessageBox>> boxes(open_.rbegin(), open_.rend());
    for (const QPointer<QMessageBox>& box : boxes) {
        if (!box) continue;
        QAbstractButton* button = box->button(wanted);
        if (!button) button = box->escapeButton();
        if (button) {
            button->click();
        } else {
            box->reject();
        }
    }
}

}  // namespace corvell::ui
