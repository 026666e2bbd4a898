// The tools of the frame's tool strip, each in the faces its rules choose: normal, lit (its
// panel or mode is on), dark (not available now), dark and lit, pressed, and the dark phase of
// the blinking POWER tool.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

constexpr const char* kToolRect = "the tool's rectangle in the strip";
constexpr int kLamp = 1;
constexpr int kNoLamp = 0;

constexpr ArtRow kRows[] = {
    {1901, 67, 37, Prim::ToolButton, "POWER", Face::Normal, kToolRect, kLamp},
    {1902, 67, 37, Prim::ToolButton, "POWER", Face::Lit, kToolRect, kLamp},
    {1903, 67, 37, Prim::ToolButton, "POWER", Face::Blinking, kToolRect, kLamp},
    {1904, 42, 36, Prim::ToolButton, "SIMPLE", Face::Normal, kToolRect, kLamp},
    {1905, 42, 36, Prim::ToolButton, "SIMPLE", Face::Lit, kToolRect, kLamp},
    {1906, 42, 37, Prim::ToolButton, "RADIO", Face::Normal, kToolRect, kLamp},
    {1907, 42, 37, Prim::ToolButton, "RADIO", Face::Lit, kToolRect, kLamp},
    {1908, 42, 37, Prim::ToolButton, "RECEIVER", Face::Normal, kToolRect, kLamp},
    {1909, 42, 37, Prim::ToolButton, "RECEIVER", Face::Lit, kToolRect, kLamp},
    {1910, 42, 37, Prim::ToolButton, "MEMORY", Face::Normal, kToolRect, kLamp},
    {1911, 42, 37, Prim::ToolButton, "MEMORY", Face::Lit, kToolRect, kLamp},
    {1912, 42, 37, Prim::ToolButton, "DTMF", Face::Normal, kToolRect, kLamp},
    {1913, 42, 37, Prim::ToolButton, "DTMF", Face::Lit, kToolRect, kLamp},
    {1914, 42, 37, Prim::ToolButton, "DSP", Face::Normal, kToolRect, kLamp},
    {1915, 42, 37, Prim::ToolButton, "DSP", Face::Lit, kToolRect, kLamp},
    {1916, 42, 37, Prim::ToolButton, "DARC", Face::Normal, kToolRect, kNoLamp},
    {1917, 42, 37, Prim::ToolButton, "DARC", Face::Pressed, kToolRect, kNoLamp},
    {1918, 42, 37, Prim::ToolButton, "COMPORT", Face::Normal, kToolRect, kNoLamp},
    {1919, 42, 37, Prim::ToolButton, "COMPORT", Face::Pressed, kToolRect, kNoLamp},
    {1920, 44, 37, Prim::ToolButton, "EXIT", Face::Normal, kToolRect, kNoLamp},
    {1921, 44, 37, Prim::ToolButton, "EXIT", Face::Pressed, kToolRect, kNoLamp},
    {1922, 45, 19, Prim::ToolButton, "TUNER", Face::Normal, kToolRect, kLamp},
    {1923, 45, 19, Prim::ToolButton, "TUNER", Face::Lit, kToolRect, kLamp},
    {1924, 45, 19, Prim::ToolButton, "TUNER", Face::Dark, kToolRect, kLamp},
    {1925, 45, 19, Prim::ToolButton, "TUNER", Face::DarkLit, kToolRect, kLamp},
    {1926, 45, 19, Prim::ToolButton, "MODE", Face::Normal, kToolRect, kLamp},
    {1927, 45, 19, Prim::ToolButton, "MODE", Face::Lit, kToolRect, kLamp},
    {1928, 45, 19, Prim::ToolButton, "MODE", Face::Dark, kToolRect, kLamp},
    {1929, 45, 19, Prim::ToolButton, "MODE", Face::DarkLit, kToolRect, kLamp},
    {1930, 45, 19, Prim::ToolButton, "SCAN", Face::Normal, kToolRect, kLamp},
    {1931, 45, 19, Prim::ToolButton, "SCAN", Face::Lit, kToolRect, kLamp},
    {1932, 45, 19, Prim::ToolButton, "SCAN", Face::Dark, kToolRect, kLamp},
    {1933, 45, 19, Prim::ToolButton, "SCAN", Face::DarkLit, kToolRect, kLamp},
    {1934, 45, 19, Prim::ToolButton, "SCOPE", Face::Normal, kToolRect, kLamp},
    {1935, 45, 19, Prim::ToolButton, "SCOPE", Face::Lit, kToolRect, kLamp},
    {1936, 45, 19, Prim::ToolButton, "SCOPE", Face::Dark, kToolRect, kLamp},
    {1937, 45, 19, Prim::ToolButton, "SCOPE", Face::DarkLit, kToolRect, kLamp},
};

}  // namespace

constinit const ArtTable kToolStripArt{"toolstrip", kRows};

}  // namespace corvell::art
