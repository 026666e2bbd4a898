// Window placement kept in the settings file: one entry per window in section
// "WINDOW_PLACEMENT" (ten comma-separated integers, pixels), keyed by "frmMain" for the main
// window and by a panel's placement key for each panel; the panel's second field is its
// fVisiblePwrOn. The record's fields are one table walked by both save and load.
// Thread contract: user-interface thread only.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QWidget;

namespace corvell {
class clsProfileIO;
}
namespace corvell::ui {
class PanelWindow;
}

namespace corvell::shell {

struct WindowPlacement {
    int32_t flags = 0;
    int32_t showCmd = 0;
    int32_t minX = 0, minY = 0;
    int32_t maxX = 0, maxY = 0;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const WindowPlacement&) const = default;
};

// One row per stored field, in the order they are written.
struct PlacementField {
    int32_t WindowPlacement::*member;
};
inline constexpr std::array<PlacementField, 10> kPlacementFields = {{
    {&WindowPlacement::flags},
    {&WindowPlacement::showCmd},
    {&WindowPlacement::minX},
    {&WindowPlacement::minY},
    {&WindowPlacement::maxX},
    {&WindowPlacement::maxY},
    {&WindowPlacement::left},
    {&WindowPlacement::top},
    {&WindowPlacement::right},
    {&WindowPlacement::bottom},
}};

// The ten fields as stored ("0,1,-1,-1,...").
std::string formatPlacement(const WindowPlacement& p);
// Parses a stored entry: exactly ten fields, each read as its leading number (empty or
// non-numeric gives 0, halves round to even). False for another field count, a value outside
// 32 bits, or a normal rectangle that is inverted or whose size or twips overflow 32 bits.
bool parsePlacement(const std::string& text, WindowPlacement& out);

// Splits at every ","; an empty text gives 0 and leaves `fields` alone.
int16_t DecompStringAny(const std::string& text, std::vector<std::string>& fields);

class clsMDIPlaceWindow {
  public:
    clsMDIPlaceWindow() = default;
    void Init(clsProfileIO* profile) { MyProfileObj = profile; }

    clsProfileIO* MyProfileObj = nullptr;
    WindowPlacement MyPlacement;

    // The main window, keyed "frmMain".
    bool SaveMDIFormPlacement(QWidget& frame);
    bool LoadMDIFormPlacement(QWidget& frame);
    bool SetMDIPlacement(QWidget& frame);

    // A panel (moved through its child-window frame when it has one).
    bool SaveFormPlacement(ui::PanelWindow& panel);
    bool LoadFormPlacement(ui::PanelWindow& panel);
    bool SetPlacement(ui::PanelWindow& panel);

    // The window a panel is placed and shown through: its child-window frame, else itself.
    static QWidget& container(ui::PanelWindow& panel);
    // The window's normal rectangle in pixels (relative to its parent for a child window), with
    // the flag for one to come back maximised.
    static WindowPlacement currentPlacement(QWidget& window, bool minimised);

  private:
    bool save(const std::string& key, const WindowPlacement& p);
    bool load(const std::string& key, WindowPlacement& out);
};

}  // namespace corvell::shell
