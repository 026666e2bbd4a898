// The title and About window's pictures.
#include "resources/ArtTables.h"

namespace corvell::art {
namespace {

constexpr ArtRow kRows[] = {
    {500, 102, 291, Prim::TitleSide, "About side picture", Face::Normal, "size given"},
    {501, 302, 32, Prim::TitleName, "product name", Face::Normal, "size given"},
    {502, 82, 59, Prim::TitleIcon, "icon", Face::Normal, "size given"},
};

}  // namespace

constinit const ArtTable kTitleArt{"title", kRows};

}  // namespace corvell::art
