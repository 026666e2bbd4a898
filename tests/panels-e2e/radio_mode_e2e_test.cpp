// The radio and mode panels on the real receiver object, the real link library and an emulated
// receiver: a channel recalled from a real .MCH file and each mode key reach the wire as their
// exact lines, and the S-meter the emulator is told to report moves the radio's S-meter steps.
#include <filesystem>

#include "memory/MemoryListOps.h"
#include "panels/common/PanelLabel.h"
#include "panels/mode/frmMode.h"
#include "panels/radio/frmRadio.h"
#include "tests/panels-e2e/PanelE2e.h"
#include "tools/rx-emulator/control_commands.h"

namespace corvell::test {
namespace {

class RadioModeE2e : public PanelE2e {
  protected:
    RadioModeE2e() {
        const auto source =
            std::filesystem::path(CORVELL_SOURCE_DIR) / "tests" / "fixtures" / "windows.MCH";
        std::filesystem::copy_file(source, home.path("e2e.MCH"));
        ProgramMemory().LoadMemory(home.path("e2e.MCH"));
        ProgramMemory().setActiveBank(0);
        switchOn();
        radio = std::make_unique<panels::frmRadio>(
            panels::RadioLogic::Neighbours{*rx, ProgramMemory(), ProgramMemoryList(), nullptr},
            nullptr, &hold);
        radio->Load();
        radio->show();
        mode = std::make_unique<panels::frmMode>(
            panels::ModeLogic::Neighbours{*rx, ProgramMemory(), nullptr, {}}, nullptr, nullptr,
            &hold);
        mode->Load();
        mode->show();
    }
    ~RadioModeE2e() override {
        mode.reset();
        radio.reset();
    }
    // One line of the emulator's control input, as a person types it.
    void control(const std::string& line) {
        rxemu::ControlInput input(
            emu, [](const std::string&) {},
            [](const std::string& error) { ADD_FAILURE() << error; });
        input.feed(line + "\n");
    }

    std::unique_ptr<panels::frmRadio> radio;
    std::unique_ptr<panels::frmMode> mode;
};

TEST_F(RadioModeE2e, ARecalledChannelReachesTheWireAsItsFrequencyLine) {
    ASSERT_TRUE(linked());
    const size_t mark = emu.log().count();
    QTest::mouseClick(radio->lblMEMO(1), Qt::LeftButton);  // Tower, 118.1 MHz AM 6k
    ASSERT_EQ(rx->Frequency(), 118100000);
    EXPECT_TRUE(emu.log().waitFor(frequencyLine(118100000, 2, 1), mark, 3000));
    EXPECT_TRUE(waitFor([&] { return emu.frequency() == 118100000; }));
    EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(RadioModeE2e, EachModeKeyReachesTheWireWithItsModeCode) {
    ASSERT_TRUE(linked());
    rx->EntryFrequency(7100000);
    rx->setMode(2);
    ASSERT_TRUE(emu.log().waitFor(frequencyLine(7100000, 2, rx->filter()), 0, 3000));
    const std::pair<int, int32_t> keys[] = {{2, 0}, {3, 3}, {6, 6}, {7, 5}, {4, 2}, {2, 0}};
    for (const auto& [key, code] : keys) {
        SCOPED_TRACE(key);
        const size_t mark = emu.log().count();
        click(*mode, key);
        ASSERT_EQ(rx->mode(), code);
        EXPECT_TRUE(emu.log().waitFor(frequencyLine(7100000, code, rx->filter()), mark, 3000));
    }
}

TEST_F(RadioModeE2e, TheEmulatorsSmeterMovesTheSmeterSteps) {
    ASSERT_TRUE(linked());
    rx->EntryFrequency(145500000);
    const std::pair<int, int> levels[] = {{200, 2037}, {20, 2035}, {250, 2038}, {0, 2034}};
    for (const auto& [level, id] : levels) {
        SCOPED_TRACE(level);
        control("smeter " + std::to_string(level));
        EXPECT_TRUE(waitFor([&] {
            radio->DispAll();
            return radio->img(30)->imageId() == id;
        }));
    }
}

}  // namespace
}  // namespace corvell::test
