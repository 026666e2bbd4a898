// The in-place bank-name and channel-name editors of a tuning panel: each lies over its label;
// a double click on the label opens it when the panel allows, Enter stores, Esc or lost focus
// cancels, and either way both labels show again and the panel takes the keyboard back.
// Thread contract: user-interface thread only.
#pragma once

#include <QObject>
#include <functional>
#include <string>

class QWidget;

namespace corvell::panels {

class PanelLabel;
class InPlaceEditor;

class NameEditors : public QObject {
  public:
    struct Name {
        PanelLabel* label;
        InPlaceEditor* editor;
        std::function<bool()> canEdit;                  // asked after `check`
        std::function<std::string()> current;           // the text the editor opens with
        std::function<void(const std::string&)> store;  // Enter: keep the typed text
    };
    struct Hooks {
        std::function<void()> check;        // before anything else (the blank check)
        std::function<void()> beforeOpen;   // once an editor will open (close a key-pad entry)
        std::function<void()> afterCommit;  // after a stored name, once the editors are closed
        std::function<void()> afterEnd;     // after every close, stored or cancelled
    };

    NameEditors(QWidget& panel, Name bank, Name channel, Hooks hooks);

    bool isOpen() const;
    void openBank() { open(bank_); }
    void openChannel() { open(channel_); }
    // Closes both editors and shows both labels again.
    void end();

  private:
    void open(const Name& name);
    void wire(const Name& name);

    QWidget& panel_;
    Name bank_;
    Name channel_;
    Hooks hooks_;
};

}  // namespace corvell::panels
