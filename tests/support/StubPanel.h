// An empty child window with a panel's caption, object name and placement key: it takes part in
// everything the main window does with panels (placement, visibility at power-on, heartbeat),
// so the frame's tests need no real panel behind a slot.
// Thread contract: user-interface thread only.
#pragma once

#include <QLabel>
#include <QString>
#include <QVBoxLayout>
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

  private:
    static QString text(std::string_view s) {
        return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
    }

    shell::PanelSlot slot_;
};

}  // namespace corvell::test
