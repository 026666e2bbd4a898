#include "resources/StringTable.h"

#include <array>

namespace corvell::res {
namespace {

struct Entry {
    int id;
    const char* text;  // UTF-8
};

// Title and About texts, and the font name for texts; the Japanese block repeats the title
// texts and names a Japanese Gothic face.
constexpr std::array<Entry, 12> kStrings = {{
    {10000, "Corvell"},
    {10001, "Communications Receiver"},
    {10002, "Revision 2.0"},
    {10003, "Copyright (C) Halvane. All rights reserved."},
    {10004, "For Linux (Qt 6)"},
    {10100, "Arial"},
    {11000, "Corvell"},
    {11001, "Communications Receiver"},
    {11002, "Revision 2.0"},
    {11003, "Copyright (C) Halvane. All rights reserved."},
    {11004, "For Linux (Qt 6)"},
    {11100, "IPAGothic"},
}};

const Entry* find(int id) {
    for (const Entry& e : kStrings) {
        if (e.id == id) return &e;
    }
    return nullptr;
}

}  // namespace

bool HasResString(int id) {
    return find(id) != nullptr;
}

QString LoadResString(int id) {
    const Entry* e = find(id);
    return e ? QString::fromUtf8(e->text) : QString();
}

}  // namespace corvell::res
