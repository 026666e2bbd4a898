// Modal message boxes. The program installs a presenter that shows real dialogs; tests install
// one that records the text and answers; with none installed the text goes to stderr and the
// default button is the answer.
// Thread contract: showMessage() may be called from any thread; it calls the presenter on the
// caller's thread, so a presenter that needs a particular thread must hand the call over itself.
// setMessagePresenter() is meant for start-up and tests, not while boxes are being shown.
#pragma once

#include <string>

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
// The numeric values are the ones the original dialog answers used, so they can be stored.
enum class MessageResult { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

struct MessageRequest {
    std::string text;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 0;  // index of the default button among `buttons`, from 0
};

class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    virtual MessageResult present(const MessageRequest& request) = 0;
    // Closes every box it has open, each answering `answer` when it offers that button, else
    // as its escape (Cancel where it has one). A presenter that answers at once has none open.
    virtual void dismissOpen(MessageResult answer) { (void)answer; }
};

// nullptr removes the presenter again. The presenter is not owned.
void setMessagePresenter(MessagePresenter* presenter);

MessageResult showMessage(const MessageRequest& request);

// The installed presenter's dismissOpen(): for an end that cannot wait for the user. Call it
// on the thread that shows the boxes.
void dismissOpenMessages(MessageResult answer);

// The answer a box gives when nobody is there to choose: its default button.
MessageResult defaultAnswer(const MessageRequest& request);

// Every box the program and the link library show carries the program's name.
inline constexpr const char* kProgramTitle = "Corvell";

// The one way to tell the user something: a box titled with the program's name.
MessageResult tellUser(const std::string& text, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok, int defaultButton = 0);

// The one way to log: a line "<who>: <text>" on stderr ("Corvell" for the program, "Quillon"
// for the link library). Safe from any thread.
void logLine(const char* who, const std::string& text);

}  // namespace platform
