#include "MapCheck.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Small maps: floor, one ball at (20, 5), columns 12 and 13 filled with the
// row's walls (floor 15 for none), and a change on top.
TEST(MapCheck, SmallMaps)
{
    const struct {
        const char* what;
        TileCode wall12, wall13;
        std::function<void(Board&)> change;
        bool finishable;
        int leastPP;
        std::string cells; // the cells concerned
    } rows[] = {
        {"open map", 15, 15, [](Board&) {}, true, 0, ""},
        {"walled-in ball", 1, 15, [](Board&) {}, false, 0, "(20,5)"},
        {"walled-in ball in a corner", 15, 15, [](Board& b) { b(0, 0) = 0, b(1, 0) = b(0, 1) = 1; }, false, 0, "(0,0)"},
        {"ball behind obstacles the drill breaks", 2, 92, [](Board&) {}, true, 2, "(20,5)"},
        {"ball only through the tunnel", 1, 15, [](Board& b) { b(3, 3) = 81, b(22, 3) = 80; }, true, 0, ""},
        {"staircase without its partner", 15, 15, [](Board& b) { b(0, 3) = 81; }, false, 0, "(0,3)"},
        {"blocked start cell", 15, 15, [](Board& b) { b(1, 18) = 20; }, false, 0, "(1,18)"},
        {"no ball", 15, 15, [](Board& b) { b(20, 5) = 15; }, false, 0, ""},
        {"ghosts walled in", 15, 15, [](Board& b) { b(13, 2) = b(14, 3) = b(13, 4) = b(12, 3) = 16; }, true, 0, "(13,3)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Board b;
        b.cells.fill(15);
        for (int r = 0; r < BoardRows; ++r)
            b(12, r) = row.wall12, b(13, r) = row.wall13;
        b(20, 5) = 0;
        row.change(b);
        const mapcheck::Report report = mapcheck::check(b);
        EXPECT_EQ(report.finishable(), row.finishable);
        EXPECT_EQ(report.leastPP, row.leastPP);
        std::string cells;
        for (const mapcheck::Cell& c : report.cells())
            cells += '(' + std::to_string(c.col) + ',' + std::to_string(c.row) + ')';
        EXPECT_EQ(cells, row.cells);
    }
}

} // namespace
