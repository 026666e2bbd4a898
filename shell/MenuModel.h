// The main window's menus as one table: each item's menu, index, exact caption and command
// word, and the rule that brings its check mark, enabled and visible states up to date on
// every heartbeat tick. The widget only mirrors these states; nothing here knows Qt.
// Thread contract: plain data and pure functions; any thread.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace corvell::shell {

enum class MenuId { File, View, Simple, Option, Help };

struct MenuItemDef {
    MenuId menu;
    int index;
    std::string_view caption;  // "-" for a separator
    std::string_view word;     // "" for none
};

inline constexpr std::array<std::string_view, 4> kMenuTitles = {"File(&F)", "View(&V)",
                                                                "Option(&O)", "Help(&H)"};

inline constexpr std::array<MenuItemDef, 26> kMenuItems = {{
    {MenuId::File, 0, "Power ON", "POWER"},
    {MenuId::File, 1, "Power OFF", "POWER"},
    {MenuId::File, 2, "-", ""},
    {MenuId::File, 3, "New(&N)", "NEW"},
    {MenuId::File, 4, "Open(&O)", "OPEN"},
    {MenuId::File, 5, "Save(&S)", "SAVE"},
    {MenuId::File, 6, "Save As(&A)", "SAVEAS"},
    {MenuId::File, 7, "-", ""},
    {MenuId::File, 8, "Exit(&X)", "EXIT"},
    {MenuId::View, 0, "Component Screen", "SIMPLE"},
    {MenuId::View, 1, "   Panel Selection", ""},
    {MenuId::Simple, 0, "TUNING Panel", "TUNER"},
    {MenuId::Simple, 1, "METER / SCAN Panel", "SCAN"},
    {MenuId::Simple, 2, "MODE / VOL Panel", "MODE"},
    {MenuId::Simple, 3, "BAND SCOPE Panel", "SCOPE"},
    {MenuId::View, 2, "Radio Screen", "RADIO"},
    {MenuId::View, 3, "Communications Receiver Screen", "RECEIVER"},
    {MenuId::View, 4, "-", ""},
    {MenuId::View, 5, "Memory List", "MEMORY"},
    {MenuId::View, 6, "DTMF Remote", "DTMF"},
    {MenuId::View, 7, "-", ""},
    {MenuId::View, 8, "D.S.P. Control", "DSP"},
    {MenuId::View, 9, "FM-Data Tuner", "DARC"},
    {MenuId::Option, 0, "COM Port(&C)", "COMPORT"},
    {MenuId::Help, 0, "Contents(&C)", "HELP"},
    {MenuId::Help, 1, "About(&A)", "ABOUT"},
}};

// The command word of a menu item; empty for separators, the submenu entry and unknown items.
std::string_view menuWord(MenuId menu, int index);

// What the states depend on.
struct MenuInputs {
    bool on = false;             // Connect is 1
    int panelMode = 0;           // 0 SIMPLE, 1 RADIO, 2 RECEIVER
    bool dspUsable = false;      // the receiver reports a DSP unit
    bool decoderUsable = false;  // the decoder program exists and the unit is fitted
    // Whether the window a command word opens is visible (CheckVisiblePanel).
    bool memoryVisible = false, dtmfVisible = false, dspVisible = false;
    bool tunerVisible = false, scanVisible = false, modeVisible = false, scopeVisible = false;
};

// One property the tick may change; nullopt = never changed at run time.
struct MenuItemState {
    std::optional<bool> checked, enabled, visible;
};

// The wanted state of item (menu, index) for the inputs.
MenuItemState menuItemState(MenuId menu, int index, const MenuInputs& in);

}  // namespace corvell::shell
