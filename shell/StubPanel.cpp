#include "shell/StubPanel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/clsMchDATA.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"

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
    move(slotInfo(slot).designX, slotInfo(slot).designY);
}

StubMemoryList::StubMemoryList(frmTesselbase& receiver, QWidget* parent)
    : StubPanel(PanelSlot::Mch, parent), receiver_(receiver) {}

void StubMemoryList::mem_loadbych(clsMchDATA& record) {
    receiver_.setFrequency(record.lngFreq());
    if (record.lngFreq() <= 0) return;
    receiver_.setModeText(record.ModeText());
    receiver_.setFilterText(record.FilterText());
    receiver_.setAtt(record.intAtt());
    receiver_.TSbase().setTsname(record.tsname());
    receiver_.setCtcss(record.intTsql());
}

}  // namespace corvell::shell
