#include "TileCatalogue.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>

namespace {

using Ranges = std::initializer_list<std::pair<int, int>>;

std::set<int> codes(Ranges ranges)
{
    std::set<int> s;
    for (auto [a, b] : ranges)
        for (int c = a; c <= b; ++c)
            s.insert(c);
    return s;
}

// Checks a predicate over every code from -5 to 200 against the listed set.
template <typename Pred>
void expectSet(const char* what, Pred pred, const std::set<int>& want)
{
    for (int c = -5; c <= 200; ++c)
        EXPECT_EQ(pred(static_cast<TileCode>(c)), want.count(c) == 1) << what << " code " << c;
}

TEST(TileCatalogue, CodesWithPictures)
{
    const auto want = codes({{0, 39}, {42, 43}, {45, 46}, {50, 53}, {55, 58}, {61, 64}, {66, 74}, {76, 81},
                             {84, 87}, {90, 95}, {100, 103}, {105, 122}});
    EXPECT_EQ(want.size(), 103u);
    expectSet("picture", tiles::hasPicture, want);
    EXPECT_EQ(tiles::pictureWidth(11), 13);
    EXPECT_EQ(tiles::pictureWidth(12), 20);
}

TEST(TileCatalogue, BlocksTheCharacter)
{
    expectSet("blocks", tiles::blocksCharacter,
              codes({{1, 5}, {20, 39}, {50, 53}, {55, 58}, {61, 64}, {66, 74}, {76, 79}, {84, 87}, {90, 92},
                     {100, 103}, {105, 122}}));
}

TEST(TileCatalogue, GhostsEnterStraightAndAfterATurn)
{
    const auto straight = codes({{0, 0}, {6, 15}, {17, 18}, {42, 47}, {80, 81}, {93, 95}});
    expectSet("ghost straight", [](TileCode c) { return tiles::ghostMayEnter(c, false); }, straight);
    auto turned = straight;
    turned.erase(95);
    expectSet("ghost after a turn", [](TileCode c) { return tiles::ghostMayEnter(c, true); }, turned);
    // The traps: 16 and 19 look like balls but are walls to ghosts.
    EXPECT_FALSE(tiles::ghostMayEnter(16, false));
    EXPECT_FALSE(tiles::ghostMayEnter(19, false));
}

TEST(TileCatalogue, ShieldsTheLaser)
{
    expectSet("shield", tiles::shieldsLaser,
              codes({{1, 5}, {50, 53}, {55, 58}, {61, 64}, {76, 79}, {84, 87}, {90, 92}, {100, 103}, {117, 122}}));
    // Water, the stone block and the 2 x 2 sets block but do not shield.
    for (int c : {20, 39, 66, 74, 105, 116})
        EXPECT_TRUE(tiles::blocksCharacter(static_cast<TileCode>(c)) && !tiles::shieldsLaser(static_cast<TileCode>(c)));
}

TEST(TileCatalogue, EatenBallsBreakableTunnels)
{
    expectSet("eaten", tiles::isEaten, codes({{0, 0}, {6, 14}}));
    expectSet("ball", tiles::isBall, codes({{0, 0}, {6, 6}}));
    // 1 is in 1..5 yet the drill refuses it.
    expectSet("breakable", tiles::isBreakable, codes({{2, 5}, {90, 92}}));
    expectSet("tunnel", tiles::isTunnelEnd, codes({{80, 81}}));
}

TEST(TileCatalogue, CodesWithoutPicturesAreWalkableFloorToNobodyElse)
{
    for (int c : {40, 41, 44, 47, 48, 49, 54, 59, 60, 65, 75, 82, 83, 88, 89, 96, 99, 104, 123, 500, -1, -32768}) {
        const auto code = static_cast<TileCode>(c);
        EXPECT_FALSE(tiles::hasPicture(code)) << c;
        EXPECT_FALSE(tiles::blocksCharacter(code)) << c;
        EXPECT_FALSE(tiles::shieldsLaser(code)) << c;
        EXPECT_FALSE(tiles::isEaten(code)) << c;
        EXPECT_EQ(tiles::ghostMayEnter(code, false), c == 44 || c == 47) << c;
        EXPECT_EQ(tiles::ghostMayEnter(code, true), c == 44 || c == 47) << c;
    }
}

// Every animated code steps to the next of its family, the last back to the
// first; every other code stays.
TEST(TileCatalogue, AnimationSteps)
{
    const std::pair<int, int> families[] = {{20, 39}, {50, 53}, {55, 58}, {84, 87}};
    for (int c = -5; c <= 200; ++c) {
        int next = c;
        for (auto [first, last] : families)
            if (c >= first && c <= last)
                next = c == last ? first : c + 1;
        EXPECT_EQ(tiles::animationSuccessor(static_cast<TileCode>(c)), next) << c;
    }
}

} // namespace
