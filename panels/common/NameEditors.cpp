#include "panels/common/NameEditors.h"

#include <QWidget>

#include "panels/common/InPlaceEditor.h"
#include "panels/common/PanelLabel.h"

namespace corvell::panels {

NameEditors::NameEditors(QWidget& panel, Name bank, Name channel, Hooks hooks)
    : QObject(&panel),
      panel_(panel),
      bank_(std::move(bank)),
      channel_(std::move(channel)),
      hooks_(std::move(hooks)) {
    wire(bank_);
    wire(channel_);
}

void NameEditors::wire(const Name& name) {
    const Name* which = &name;
    connect(name.label, &PanelLabel::doubleClicked, this, [this, which] { open(*which); });
    connect(name.editor, &InPlaceEditor::committed, this, [this, which](const QString& text) {
        which->store(text.toStdString());
        end();
        if (hooks_.afterCommit) hooks_.afterCommit();
    });
    connect(name.editor, &InPlaceEditor::cancelled, this, [this] { end(); });
}

bool NameEditors::isOpen() const {
    return bank_.editor->isOpen() || channel_.editor->isOpen();
}

void NameEditors::open(const Name& name) {
    if (hooks_.check) hooks_.check();
    if (!name.canEdit() || isOpen()) return;
    if (hooks_.beforeOpen) hooks_.beforeOpen();
    name.label->hide();
    name.editor->open(QString::fromStdString(name.current()));
}

void NameEditors::end() {
    bank_.editor->dismiss();
    channel_.editor->dismiss();
    bank_.label->show();
    channel_.label->show();
    if (hooks_.afterEnd) hooks_.afterEnd();
    panel_.setFocus(Qt::OtherFocusReason);
}

}  // namespace corvell::panels
