// The program's message boxes: real Qt boxes with the asked buttons, also when a link thread
// asks (the box is shown on the user-interface thread and the asking thread gets the answer).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <thread>

#include "ui/QtMessagePresenter.h"

namespace corvell {
namespace {

// Presses the button with `text` on whatever box is open, as often as one opens.
void pressWhenShown(const QString& text, QStringList& seenTexts) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, text, &seenTexts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seenTexts << box->text();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text().remove('&') == text) {
                timer->deleteLater();
                b->click();
                return;
            }
        }
    });
    timer->start(5);
}

TEST(QtMessagePresenter, ShowsTheBoxOnTheUserInterfaceThreadForAnyCaller) {
    ui::QtMessagePresenter presenter;
    platform::MessageRequest request;
    request.text = "Communication failed.\r\nCannot access Receiver.   ";
    request.title = "Corvell";
    request.buttons = platform::MessageButtons::RetryCancel;
    request.icon = platform::MessageIcon::Warning;

    QStringList seen;
    pressWhenShown("Retry", seen);
    EXPECT_EQ(platform::showMessage(request), platform::MessageResult::Retry);

    pressWhenShown("Cancel", seen);
    platform::MessageResult fromThread = platform::MessageResult::Ok;
    bool done = false;
    std::thread link([&] {
        fromThread = platform::showMessage(request);
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    link.join();
    EXPECT_EQ(fromThread, platform::MessageResult::Cancel);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.front().toStdString(), request.text);
}

}  // namespace
}  // namespace corvell
