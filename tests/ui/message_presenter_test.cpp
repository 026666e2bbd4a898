#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

#include "ui/QtMessagePresenter.h"
#include "ui/WaitCursor.h"

namespace corvell::ui {
namespace {

using platform::MessageButtons;
using platform::MessageRequest;
using platform::MessageResult;

// Answers the next message box that opens on the user-interface thread by clicking `button`,
// after recording what it showed.
struct BoxAnswerer {
    QString text, title;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QThread* shownOn = nullptr;
    QRect shownAt;

    void answerWith(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] { click(button); });
    }

  private:
    void click(QMessageBox::StandardButton button) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {  // not open yet
            QTimer::singleShot(1, [this, button] { click(button); });
            return;
        }
        text = box->text();
        title = box->windowTitle();
        format = box->textFormat();
        defaultButton = box->standardButton(box->defaultButton());
        shownOn = QThread::currentThread();
        shownAt = box->frameGeometry();
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    }
};

TEST(QtMessagePresenter, DismissingAnswersEachOpenBoxWithTheAnswerOrItsEscape) {
    const ScopedQtMessagePresenter installed;
    MessageRequest outer;
    outer.text = "Communication failed.";
    outer.buttons = MessageButtons::RetryCancel;
    outer.defaultButton = 0;
    MessageRequest inner;
    inner.text = "Do You Want to save Memory-Channel Data ?";
    inner.buttons = MessageButtons::YesNoCancel;
    MessageResult innerAnswer = MessageResult::Ok;
    // The save prompt opens over the link prompt; one dismissal closes both.
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [] { platform::dismissOpenMessages(MessageResult::No); });
        innerAnswer = platform::showMessage(inner);
    });
    EXPECT_EQ(platform::showMessage(outer), MessageResult::Cancel);  // it has no No
    EXPECT_EQ(innerAnswer, MessageResult::No);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    platform::dismissOpenMessages(MessageResult::No);  // none open: nothing happens
}

TEST(QtMessagePresenter, ShowsTheBoxAsPlainTextAndReturnsTheButtonClicked) {
    const ScopedQtMessagePresenter installed;
    BoxAnswerer answerer;
    answerer.answerWith(QMessageBox::Retry);
    MessageRequest request;
    request.text = "Communication failed.\r\nCannot access <b>Receiver</b>.   ";
    request.title = "Corvell";
    request.buttons = MessageButtons::RetryCancel;
    request.defaultButton = 1;
    EXPECT_EQ(platform::showMessage(request), MessageResult::Retry);
    EXPECT_EQ(answerer.text, "Communication failed.\nCannot access <b>Receiver</b>.   ");
    EXPECT_EQ(answerer.title, "Corvell");
    EXPECT_EQ(answerer.format, Qt::PlainText);
    EXPECT_EQ(answerer.defaultButton, QMessageBox::Cancel);
}

TEST(QtMessagePresenter, ABoxAskedForOnAnotherThreadIsShownOnTheUserInterfaceThread) {
    const ScopedQtMessagePresenter installed;
    BoxAnswerer answerer;
    answerer.answerWith(QMessageBox::No);
    std::atomic<int> answer{0};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        MessageRequest request;
        request.text = "Do You Want to save Memory-Channel Data ?";
        request.buttons = MessageButtons::YesNoCancel;
        answer = static_cast<int>(platform::showMessage(request));
        done = true;
    });
    // The user-interface thread keeps running its events while the worker waits.
    QTRY_VERIFY_WITH_TIMEOUT(done.load(), 10000);
    worker.join();
    EXPECT_EQ(answer.load(), static_cast<int>(MessageResult::No));
    EXPECT_EQ(answerer.shownOn, QApplication::instance()->thread());
    EXPECT_EQ(answerer.defaultButton, QMessageBox::Yes);
}

TEST(QtMessagePresenter, EveryBoxOpensOverTheMainWindowWhereverTheFocusIs) {
    const ScopedQtMessagePresenter installed;
    QMainWindow main;
    main.setGeometry(40, 30, 520, 400);
    main.show();
    QWidget other;  // a dialog of the program, away from the main window
    other.setGeometry(600, 420, 160, 120);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main) && QTest::qWaitForWindowExposed(&other));
    for (QWidget* active : {static_cast<QWidget*>(&main), &other}) {
        SCOPED_TRACE(active == &main ? "the main window active" : "another window active");
        QApplication::setActiveWindow(active);
        BoxAnswerer answerer;
        answerer.answerWith(QMessageBox::Retry);
        MessageRequest request;
        request.text = "Communication failed.";
        request.buttons = MessageButtons::RetryCancel;
        EXPECT_EQ(platform::showMessage(request), MessageResult::Retry);
        const QPoint off = answerer.shownAt.center() - main.frameGeometry().center();
        EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();
    }
}

TEST(WaitCursor, ShowsTheBusyCursorWhileItLives) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        const WaitCursor busy;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace corvell::ui
