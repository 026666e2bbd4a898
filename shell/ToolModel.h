// The tool strip across the top of the main window: fourteen tools, each a command word at a
// fixed rectangle, the rule that picks the bitmap it shows (ids 1901..1937, 0 = none) and the
// condition under which its release runs the command. Headless: the widget mirrors the ids.
// Thread contract: plain data and pure functions; any thread.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace corvell::shell {

inline constexpr int kToolCount = 14;
inline constexpr int kNoTool = 999;
inline constexpr int kToolStripHeight = 46;  // pixels

enum class ToolRun { SimpleOn, Always, PowerAlways, On, DecoderOn, DspOn };

struct ToolDef {
    int index;  // 1..14
    std::string_view word;
    int left, top, width, height;  // pixels inside the strip
    ToolRun run;
};

inline constexpr std::array<ToolDef, kToolCount> kTools = {{
    {1, "SCAN", 161, 3, 45, 19, ToolRun::SimpleOn},
    {2, "MODE", 117, 21, 45, 19, ToolRun::SimpleOn},
    {3, "TUNER", 117, 3, 45, 19, ToolRun::SimpleOn},
    {4, "SCOPE", 161, 21, 45, 19, ToolRun::SimpleOn},
    {5, "POWER", 5, 3, 67, 37, ToolRun::PowerAlways},
    {6, "SIMPLE", 76, 3, 42, 36, ToolRun::On},
    {7, "RADIO", 205, 3, 42, 37, ToolRun::On},
    {8, "RECEIVER", 246, 3, 42, 37, ToolRun::On},
    {9, "MEMORY", 292, 3, 42, 37, ToolRun::On},
    {10, "DTMF", 333, 3, 42, 37, ToolRun::On},
    {11, "DARC", 415, 3, 42, 37, ToolRun::DecoderOn},
    {12, "DSP", 374, 3, 42, 37, ToolRun::DspOn},
    {13, "COMPORT", 461, 3, 42, 37, ToolRun::Always},
    {14, "EXIT", 502, 3, 44, 37, ToolRun::Always},
}};

const ToolDef* toolDef(int index);

// Everything the bitmaps and the run conditions read.
struct ToolInputs {
    int connect = 0;
    int panelMode = 0;
    bool decoderExists = false;
    int32_t dspUsable = 0;
    int32_t darcUsable = 0;
    int32_t linkStat = 0;
    int32_t error = 0;
    // fVisiblePwrOn of frmTuner, frmMode, frmScanPad, frmScope, frmMch, frmDTMF, frmDSP.
    bool tunerOn = false, modeOn = false, scanOn = false, scopeOn = false;
    bool mchOn = false, dtmfOn = false, dspOn = false;
    // The press in progress.
    int toolIndex = kNoTool;
    bool held = false;
    bool onImage = false;
};

// Whether tool `index` counts as held.
bool toolHeld(const ToolInputs& in, int index);

// Whether the POWER tool is in its blinking case (then the phase picks 1902 or 1903).
bool powerBlinks(const ToolInputs& in);

// The bitmap id tool `index` is to show; `blinkPhase` is PowerBlink.
int toolBitmap(const ToolInputs& in, int index, bool blinkPhase);

// Whether a release on tool `index` runs its command.
bool toolRuns(const ToolInputs& in, int index);

// Whether a press on tool `index` is dropped at once (receiver off, a tool that needs it on).
bool toolPressDropped(int connect, int index);

}  // namespace corvell::shell
