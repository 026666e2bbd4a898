// The artwork catalog as data: one table per id range, each row an id, its size at 1x, the
// primitive that draws it, its caption and state, and where its size comes from. Skins carry a
// layout of the keys, lamps and windows they paint at their hot-zone rectangles.
// Thread contract: the tables are constants; lookups and drawing run on the user-interface thread.
#pragma once

#include <QPainter>
#include <span>
#include <vector>

#include "resources/ArtPrimitives.h"

namespace corvell::art {

// What a skin paints at one rectangle.
enum class SkinPart {
    Key,          // a raised key with its legend
    Lamp,         // an unlit LED lamp with its caption
    Display,      // a black display window
    Caption,      // a printed legend on the body, centred
    CaptionLeft,  // a printed legend on the body, left-aligned
    UnlitDigit,   // a seven-segment place with every segment unlit
    UnlitPoint,   // an unlit decimal point
    Dial,         // a tuning dial face
    Knob,         // a knob body with its rim; a = the diameter of a raised cap on it (0: none)
    KnobScale,    // tick marks around a knob: the rectangle is the outer circle's square;
                  // a = first angle, b = sweep (degrees, clockwise), c = number of ticks
};

struct SkinItem {
    SkinPart part;
    int x, y, width, height;
    const char* text;
    int a = 0, b = 0, c = 0;
};

struct SkinLayout {
    Body body;
    std::span<const SkinItem> items;
};

// The primitive that draws a row.
enum class Prim {
    Skin,            // a panel face and its layout
    Key,             // a raised key with its legend (state Normal or Pressed); arg 1 = light body
    PressedOverlay,  // the pressed face of keys whose legend the skin carries
    Lamp,            // an LED lamp; arg is the LampColour
    DisplayLamp,     // a display annunciator
    DisplayText,     // cyan text on the display ground
    DisplayMark,     // a display mark with no ground: what lies under the picture shows around it
    Digit,           // one seven-segment place; the caption's first character
    DigitPoint,      // the decimal point place
    Glyph,           // a display character: seven segments, or "*" and "#" drawn as strokes
    MeterSteps,      // a meter of arg steps; the state's step index is in `step`
    MeterBar,        // a bar meter of arg cells; `step` cells from the left are lit
    Rule,            // an engraved line or frame piece on the light body
    ListMarker,      // a list place: light key face, or (state On) the dark face of the active one
    ToolButton,      // a tool of the frame's tool strip; arg 1 = it carries a lamp
    TitleSide,       // the About box's side picture
    TitleName,       // the product name plate
    TitleIcon,       // the program's icon picture
};

// The face a row shows.
enum class Face { Normal, Pressed, Off, On, Held, Blinking, Lit, Dark, DarkLit };

struct ArtRow {
    int id;
    int width;
    int height;
    Prim primitive;
    const char* caption;
    Face state;
    const char* source;  // "size given", or why the size was chosen
    int arg = 0;         // primitive-specific: lamp colour, meter steps, lamp carried by a tool
    int step = 0;        // meter: lit step (or -1 for none)
    const SkinLayout* skin = nullptr;
};

struct ArtTable {
    const char* name;  // names the contact sheet: bitmaps-<name>.png
    std::span<const ArtRow> rows;
};

// Every registered table, in registration order (ArtTables.cpp).
std::span<const ArtTable* const> artTables();

// The row of an id, or nullptr.
const ArtRow* findArtRow(int id);

// Every id of the catalog in ascending order.
std::vector<int> artworkIds();

// Paints the row into the rectangle (0, 0, width, height) of the painter.
void drawArtRow(QPainter& p, const ArtRow& row);

}  // namespace corvell::art
