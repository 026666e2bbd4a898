#include "shell/MemoryFileCommands.h"

#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "platform/message_box.h"
#include "ui/FileDialogs.h"

namespace corvell::shell {

namespace {

ui::FileDialogRequest mchRequest() {
    ui::FileDialogRequest r;
    r.filter = "*.MCH|*.mch";
    r.defaultExtension = "MCH";
    r.overwritePrompt = true;
    return r;
}

}  // namespace

MemoryFileCommands::MemoryFileCommands(clsMEMORY& memory, Hooks hooks)
    : memory_(memory), hooks_(std::move(hooks)) {}

int MemoryFileCommands::AskSaveMemory(bool always) {
    if (!always && !memory_.MemoryChanged()) return 1;
    platform::MessageRequest box;
    box.text = "Do You Want to save Memory-Channel Data ?";
    box.title = "Corvell";
    box.buttons = platform::MessageButtons::YesNoCancel;
    box.icon = platform::MessageIcon::Warning;
    return static_cast<int>(platform::showMessage(box));
}

bool MemoryFileCommands::SaveIfWanted(bool always) {
    switch (AskSaveMemory(always)) {
        case 2:
            return false;
        case 6:
            return memory_.SaveMemory() != 0;
        default:
            return true;
    }
}

void MemoryFileCommands::MemoryFileCommand(std::string_view word) {
    ui::FileDialogRequest request = mchRequest();
    if (word == "NEW") {
        // Always asks, even when nothing changed; the changed flag itself is left alone, so a
        // Cancel here keeps it exactly as it was.
        if (!SaveIfWanted(true)) return;
        memory_.NewMemory();
        if (hooks_.list) hooks_.list->ListBankName();
    } else if (word == "OPEN") {
        if (!SaveIfWanted()) return;
        request.fileName = "*.MCH";
        request.fileMustExist = true;
        const auto chosen = ui::fileDialogs().getOpenFileName(request);
        if (!chosen || chosen->isEmpty()) return;
        if (memory_.LoadMemory(chosen->toStdString()) == 0) return;
        TakeOverActiveChannel();
        if (hooks_.list) hooks_.list->ListBankName();
        memory_.Redraw();
    } else if (word == "SAVE") {
        memory_.SaveMemory();
    } else if (word == "SAVEAS") {
        request.fileName = QString::fromStdString(memory_.filepath());
        const auto chosen = ui::fileDialogs().getSaveFileName(request);
        if (!chosen || chosen->isEmpty()) return;
        memory_.SaveAsMemory(chosen->toStdString());
    }
}

void MemoryFileCommands::TakeOverActiveChannel() {
    if (hooks_.beforeTakeOver) hooks_.beforeTakeOver();
    if (!hooks_.list) return;
    const int bank = memory_.ActiveBank();
    const int ch = memory_.ActiveCh();
    hooks_.list->mem_loadbych(memory_.chData(bank, ch));
}

}  // namespace corvell::shell
