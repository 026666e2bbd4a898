#include "platform/message_box.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_presenter.h"

namespace {

using platform::MessageButtons;
using platform::MessageRequest;
using platform::MessageResult;

TEST(MessageBox, WithoutPresenterTheDefaultButtonAnswers) {
    struct Case {
        MessageButtons buttons;
        int defaultButton;
        MessageResult expected;
    };
    const Case cases[] = {
        {MessageButtons::Ok, 0, MessageResult::Ok},
        {MessageButtons::RetryCancel, 0, MessageResult::Retry},
        {MessageButtons::RetryCancel, 1, MessageResult::Cancel},
        {MessageButtons::YesNoCancel, 2, MessageResult::Cancel},
        {MessageButtons::YesNo, 7, MessageResult::Yes},  // out of range: the first button
    };
    for (const Case& c : cases) {
        MessageRequest request{"text", "Corvell", c.buttons, platform::MessageIcon::None,
                               c.defaultButton};
        EXPECT_EQ(platform::showMessage(request), c.expected);
    }
}

TEST(MessageBox, ScriptedPresenterRecordsAndAnswersInOrder) {
    platform::ScriptedPresenter presenter;
    presenter.answerNext(MessageResult::Cancel);
    MessageRequest request{"first", "Corvell", MessageButtons::RetryCancel};
    EXPECT_EQ(platform::showMessage(request), MessageResult::Cancel);
    request.text = "second";
    EXPECT_EQ(platform::showMessage(request), MessageResult::Retry);  // script used up
    const auto shown = presenter.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "first");
    EXPECT_EQ(shown[1].text, "second");
}

}  // namespace
