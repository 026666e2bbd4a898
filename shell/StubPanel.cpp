#include "shell/StubPanel.h"

#include <QLabel>
#include <QVBoxLayout>
#include <string>

namespace corvell::shell {

StubPanel::StubPanel(PanelSlot slot, QWidget* parent)
    : ui::PanelWindow(QString::fromUtf8(slotInfo(slot).placementKey.data(),
                                        static_cast<int>(slotInfo(slot).placementKey.size())),
                      parent),
      slot_(slot) {
    setCaption(placementKey());
    setObjectName(QString::fromUtf8(slotInfo(slot).member.data(),
                                    static_cast<int>(slotInfo(slot).member.size())));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("This panel is not built yet."), this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);
    setFixedSize(240, 120);
}

bool StubPanel::onQueryUnload(ui::UnloadMode mode) {
    if (mode != ui::UnloadMode::UserClose) return true;
    const bool large = slot_ == PanelSlot::Radio || slot_ == PanelSlot::Receiver;
    if (!large && owner()) owner()->KeyAction(std::string(slotInfo(slot_).word));
    return false;
}

}  // namespace corvell::shell
