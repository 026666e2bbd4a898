// The memory list window on the receiver object (link fake), shown and active, over a real
// .MCH file in a temporary program directory; its owner records the commands it is sent.
#pragma once

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "memory/MemoryListOps.h"
#include "memory/frmMch.h"
#include "tests/support/rx_fixture.h"
#include "ui/PanelWindow.h"
#include "ui/SheetModel.h"
#include "ui/SheetView.h"

namespace corvell::test {

// The main window as the memory list sees it: "MEMORY" hides the list, as the real one does.
struct RecordingOwner : ui::PanelOwner {
    std::vector<std::string> words;
    ui::PanelWindow* panel = nullptr;
    void KeyAction(const std::string& word) override {
        words.push_back(word);
        if (word == "MEMORY" && panel) panel->setVisible(!panel->isVisible());
    }
};

// Bank 3 of "list.MCH": channel 0 used, 1 blank, 2 flagged (ATT, SEL, SKIP, a tone), 3 used.
inline const char* kListFile =
    "[REV]\r\nID=1.0.0\r\n"
    "[BANK03]\r\nBANKNAME=Marine\r\nACTIVECH=0\r\n"
    "00=Harbour,call channel,156.8,FM,15k,OFF,25kHz,OFF,OFF,OFF\r\n"
    "02=Pilot,night,156.65,FM,6k,ON,12.5kHz,ON,ON,67.0Hz\r\n"
    "03=Coast,,2.182,USB,3k,OFF,1kHz,OFF,OFF,OFF\r\n"
    "[BANK05]\r\nBANKNAME=Air\r\nACTIVECH=2\r\n"
    "02=Tower,,118.1,AM,6k,OFF,25kHz,OFF,OFF,OFF\r\n"
    "[COMMON]\r\nACTIVEBANK=3\r\n";

class MemoryListTest : public RxTest {
  protected:
    MemoryListTest() {
        load();
        home.write("list.MCH", kListFile);
        EXPECT_EQ(memory().LoadMemory(home.path("list.MCH")), 1);
        open();
    }
    ~MemoryListTest() override {
        window.reset();
        ResetProgramMemoryList();
    }

    // A new window, loaded by Init, shown and active.
    void open() {
        window = std::make_unique<frmMch>(ProgramMemoryList());
        owner.panel = window.get();
        window->Init(owner);
        window->resize(760, 420);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->grid().setFocus();
    }

    // The program ended and started again: the window gone, its settings read anew, reopened.
    void reopenAfterRestart() {
        window.reset();
        ResetProgramMemoryList();
        restart();
        load();
        open();
    }

    clsMEMORY& memory() { return ProgramMemory(); }
    ui::SheetView& grid() { return window->grid(); }
    QString cell(int row, int column) { return window->cells().text(row, column); }
    // Keys as a user types them: to whatever has the focus.
    void type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    // The cell, then the keys typed on it.
    void typeInto(int row, int column, const QString& keys) {
        grid().setFocus();
        grid().setCurrentCell(row, column);
        type(keys);
    }

    RecordingOwner owner;
    std::unique_ptr<frmMch> window;
};

}  // namespace corvell::test
