#include "TileCatalogue.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tiles {
namespace {

enum Flag : std::uint16_t {
    Picture = 1,
    Blocks = 2,
    GhostStraight = 4, // a ghost keeping its direction may enter
    GhostTurned = 8,   // a ghost that has just turned may enter
    Shield = 16,
    Eaten = 32,
    Ball = 64,
    Breakable = 128,
    Tunnel = 256,
};

constexpr std::uint16_t Ghost = GhostStraight | GhostTurned;

struct Range {
    int first, last;
    std::uint16_t flags;
};

// Code ranges and what they are, in increasing order; no code is listed twice.
constexpr Range Ranges[] = {
    {0, 0, Picture | Ghost | Eaten | Ball},          // small ball
    {1, 1, Picture | Blocks | Shield},               // boulder (the drill refuses it)
    {2, 2, Picture | Blocks | Shield | Breakable},   // blue crystal
    {3, 3, Picture | Blocks | Shield | Breakable},   // dead tree: accepted, only luck changes it
    {4, 5, Picture | Blocks | Shield | Breakable},   // pink rock, crystal cluster
    {6, 6, Picture | Ghost | Eaten | Ball},          // big ball
    {7, 14, Picture | Ghost | Eaten},                // items
    {15, 15, Picture | Ghost},                       // floor
    {16, 16, Picture},                               // looks like a big ball; a wall to ghosts
    {17, 18, Picture | Ghost},                       // wooden floors
    {19, 19, Picture},                               // looks like a small ball; a wall to ghosts
    {20, 39, Picture | Blocks},                      // river (does not shield)
    {42, 43, Picture | Ghost},                       // rubble
    {44, 44, Ghost},                                 // no picture, yet ghosts may enter
    {45, 46, Picture | Ghost},                       // rubble
    {47, 47, Ghost},                                 // no picture, yet ghosts may enter
    {50, 53, Picture | Blocks | Shield},             // campfire
    {55, 58, Picture | Blocks | Shield},             // bush
    {61, 64, Picture | Blocks | Shield},             // statues
    {66, 74, Picture | Blocks},                      // the 3 x 3 stone block (does not shield)
    {76, 79, Picture | Blocks | Shield},             // graves, well, bones
    {80, 81, Picture | Ghost | Tunnel},              // tunnel ends
    {84, 87, Picture | Blocks | Shield},             // snowman
    {90, 92, Picture | Blocks | Shield | Breakable}, // sand, snow, red rock
    {93, 94, Picture | Ghost},                       // rubble
    {95, 95, Picture | GhostStraight},               // rubble ghosts only pass straight on
    {100, 103, Picture | Blocks | Shield},           // lantern, crystal on pedestal, trees
    {105, 116, Picture | Blocks},                    // 2 x 2 boulder, tree, mound (do not shield)
    {117, 122, Picture | Blocks | Shield},           // two-cell crystal and trees
};

static_assert(std::ranges::adjacent_find(Ranges, [](auto a, auto b) { return b.first <= a.last; }) == std::end(Ranges));

constexpr std::array<std::uint16_t, HighestCode + 1> makeTable()
{
    std::array<std::uint16_t, HighestCode + 1> t{};
    for (const Range& r : Ranges)
        for (int c = r.first; c <= r.last; ++c)
            t[c] = r.flags;
    return t;
}

constexpr auto Table = makeTable();

constexpr std::uint16_t flags(TileCode code) { return code >= 0 && code <= HighestCode ? Table[code] : 0; }

static_assert([] {
    int n = 0;
    for (auto f : Table)
        n += (f & Picture) ? 1 : 0;
    return n;
}() == PictureCount);

// Animated families: first code and number of pictures. The stored code
// itself steps through the family and wraps round to its first code.
struct Family {
    int first, count;
};
constexpr Family Families[] = {{20, 20}, {50, 4}, {55, 4}, {84, 4}};

} // namespace

bool hasPicture(TileCode code) { return flags(code) & Picture; }
int pictureWidth(TileCode code) { return code == 11 ? 13 : 20; }
bool blocksCharacter(TileCode code) { return flags(code) & Blocks; }
bool ghostMayEnter(TileCode code, bool justTurned) { return flags(code) & (justTurned ? GhostTurned : GhostStraight); }
bool shieldsLaser(TileCode code) { return flags(code) & Shield; }
bool isEaten(TileCode code) { return flags(code) & Eaten; }
bool isBall(TileCode code) { return flags(code) & Ball; }
bool isBreakable(TileCode code) { return flags(code) & Breakable; }
bool isTunnelEnd(TileCode code) { return flags(code) & Tunnel; }

TileCode animationSuccessor(TileCode code)
{
    for (const Family& f : Families)
        if (code >= f.first && code < f.first + f.count)
            return static_cast<TileCode>(f.first + (code - f.first + 1) % f.count);
    return code;
}

} // namespace tiles
