#include "memory/MemoryListOps.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/ScanCtrlRef.h"
#include "core/clsMchDATA.h"
#include "core/clsTSbase.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "platform/message_box.h"

namespace corvell {

MemoryListOps::MemoryListOps(clsMEMORY& memory, frmTesselbase& rx) : memory_(&memory), rx_(&rx) {}

void MemoryListOps::mem_loadbych(const clsMchDATA& record) {
    rx_->setFrequency(record.lngFreq());
    if (record.lngFreq() <= 0) return;
    rx_->setModeText(record.ModeText());
    rx_->setFilterText(record.FilterText());
    rx_->setAtt(record.intAtt());
    rx_->TSbase().setTsname(record.tsname());
    rx_->setCtcss(record.intTsql());
}

void MemoryListOps::mem_write() {
    clsMchDATA& record = memory_->chData(memory_->ActiveBank(), memory_->ActiveCh());
    const std::string name = record.name1();
    const std::string remark = record.name2();
    memory_->DefaultBlank(record);
    const int32_t f = rx_->Frequency();
    if (f > 0) {
        record.setName1(name);
        record.setName2(remark);
    }
    record.setLngFreq(f);
    record.setModeText(rx_->ModeText());
    record.setFilterText(rx_->FilterText());
    record.setTsname(rx_->TSbase().tsname());
    record.setIntAtt(static_cast<int16_t>(rx_->att()));
    record.setIntTag(0);
    record.setIntSkip(0);
    record.setIntTsql(static_cast<int16_t>(rx_->ctcss()));
    UpdateSheet();
    MarkMemoryChanged();
}

void MemoryListOps::mem_clear() {
    rx_->setFrequency(0);
    mem_write();
}

void MemoryListOps::Recall(int channel) {
    memory_->setActiveCh(channel);
    mem_loadbych(memory_->chData(memory_->ActiveBank(), memory_->ActiveCh()));
    rx_->setDispReq(true);
    StopScan();
}

void MemoryListOps::StopScan() {
    // The hand tuning ends a running scan and forgets where it was.
    if (ScanCtrlRef* scan = rx_->ScanObj()) {
        scan->scan_stop();
        scan->continus_reset();
    }
    rx_->SetDispReq();
}

bool MemoryListOps::InsertChannel(int channel) {
    const int16_t bank = memory_->ActiveBank();
    if (!memory_->chk_blank(bank, kLastChannel)) {
        platform::MessageRequest request;
        request.text = kInsertRefused;
        request.title = "Corvell";
        platform::showMessage(request);
        return false;
    }
    const int from = channel < 0 ? 0 : channel;
    for (int i = kLastChannel; i >= from + 1; --i) memory_->Copy(bank, i - 1, bank, i);
    BlankChannel(channel);
    UpdateSheet();
    MarkMemoryChanged();
    return true;
}

void MemoryListOps::DeleteChannel(int channel) {
    const int16_t bank = memory_->ActiveBank();
    for (int i = channel < 0 ? 0 : channel; i <= kLastChannel - 1; ++i) {
        memory_->Copy(bank, i + 1, bank, i);
    }
    BlankChannel(kLastChannel);
    UpdateSheet();
    MarkMemoryChanged();
}

void MemoryListOps::BlankChannel(int channel) {
    memory_->ch(memory_->ActiveBank(), channel);
    memory_->setStrChName("");
    memory_->setStrComment("");
    memory_->setLngFreq(0);
    MarkMemoryChanged();
}

bool MemoryListOps::SelectBank(int bank, bool force) {
    const int16_t b = (bank >= 0 && bank <= kLastBank) ? static_cast<int16_t>(bank) : 0;
    bool changed = false;
    if (b != memory_->ActiveBank() || force) {
        memory_->setActiveBank(b);
        memory_->setActiveCh(memory_->CurrentCh(b));
        changed = true;
    } else if (memory_->CurrentCh(b) != memory_->ActiveCh()) {
        memory_->setActiveCh(memory_->CurrentCh(b));
        changed = true;
    }
    if (!changed) return false;
    if (view_) view_->ShowChannel(memory_->ActiveCh());
    UpdateSheet();
    return view_ != nullptr && view_->ListVisible();
}

bool MemoryListOps::BankUpEndless() {
    if (memory_->ActiveBank() < kLastBank) {
        SelectBank(memory_->ActiveBank() + 1);
        Recall(memory_->ActiveCh());
        return true;
    }
    SelectBank(0);
    return false;
}

bool MemoryListOps::BankDownEndless() {
    if (memory_->ActiveBank() > 0) {
        SelectBank(memory_->ActiveBank() - 1);
        Recall(memory_->ActiveCh());
        return true;
    }
    SelectBank(kLastBank);
    return false;
}

void MemoryListOps::ListBankName() {
    if (view_) view_->ListBankName();
}

void MemoryListOps::UpdateSheet() {
    if (view_) view_->UpdateSheet();
}

void MemoryListOps::MarkMemoryChanged() {
    memory_->Change();
}

int16_t MemoryListOps::intCurrentCh() const {
    return memory_->ActiveCh();
}

void MemoryListOps::setIntCurrentCh(int channel) {
    memory_->setActiveCh(channel);
}

int16_t MemoryListOps::intCurrentbank() const {
    return memory_->ActiveBank();
}

void MemoryListOps::setIntCurrentbank(int bank) {
    memory_->setActiveBank(bank);
}

namespace {

std::unique_ptr<MemoryListOps>& programList() {
    static std::unique_ptr<MemoryListOps> ops;
    return ops;
}

}  // namespace

MemoryListOps& ProgramMemoryList() {
    std::unique_ptr<MemoryListOps>& ops = programList();
    clsMEMORY& memory = ProgramMemory();
    frmTesselbase* rx = ProgramReceiver();
    if (rx == nullptr) {
        std::fputs("corvell: the memory list was used before the receiver object exists\n", stderr);
        std::abort();
    }
    if (!ops) {
        ops = std::make_unique<MemoryListOps>(memory, *rx);
    } else {
        ops->memory_ = &memory;
        ops->rx_ = rx;
    }
    return *ops;
}

void ResetProgramMemoryList() {
    programList().reset();
}

}  // namespace corvell
