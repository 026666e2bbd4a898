// An empty child window with a panel's caption, object name and placement key: it takes part in
// everything the main window does with panels (placement, visibility at power-on, heartbeat),
// so the frame's tests need no real panel behind a slot.
// Thread contract: user-interface thread only.
#pragma once

#include <QLabel>
#include <QString>
#include <QVBoxLayout>
#include <string>
#include <string_view>

#include "shell/PanelSlots.h"
#include "ui/PanelWindow.h"

namespace corvell::test {

class StubPanel : public ui::PanelWindow {
  public:
    explicit StubPanel(shell::PanelSlot slot, QWidget* parent = nullptr)
        : ui::PanelWindow(text(shell::slotInfo(slot).placementKey), parent), slot_(slot) {
        setCaption(placementKey());
        setObjectName(text(shell::slotInfo(slot).member));
        auto* layout = new QVBoxLayout(this);
        auto* note = new QLabel(QStringLiteral("Stub panel"), this);
        note->setAlignment(Qt::AlignCenter);
        layout->addWidget(note);
        setFixedSize(240, 120);
    }
    shell::PanelSlot slot() const { return slot_; }

  protected:
    // As every panel: a close of the user's own is refused, and the panel's command word (none
    // for the radio and receiver panels) is sent to the owner instead.
    bool onQueryUnload(ui::UnloadMode mode) override {
        if (mode != ui::UnloadMode::UserClose) return true;
        const bool large = slot_ == shell::PanelSlot::Radio || slot_ == shell::PanelSlot::Receiver;
        if (!large && owner()) owner()->KeyAction(std::string(shell::slotInfo(slot_).word));
        return false;
    }

  private:
    static QString text(std::string_view s) {
        return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
    }

    shell::PanelSlot slot_;
};

}  // namespace corvell::test
