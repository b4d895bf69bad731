#include "WindowPlacement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

using placement::Window;

// The game window and its side windows at their natural sizes.
constexpr QSize GameSize(809, 502), RadarSize(224, 96), HelpSize(400, 330);
// No window manager, and one with a title bar and thin borders (tool windows
// get a lower title bar from some).
const QMargins Bare, Framed(2, 24, 2, 2), ToolFramed(1, 20, 1, 1);

std::string text(const QRect& r)
{
    return std::to_string(r.x()) + ',' + std::to_string(r.y()) + ' ' + std::to_string(r.width()) + 'x' +
           std::to_string(r.height());
}

TEST(WindowPlacement, TheGroupOnEveryScreen)
{
    const struct {
        const char* what;
        QRect area;
        QMargins game, tool;
        std::optional<QPoint> gameAt;
        bool gameStays;
        QPoint expectGame;
        bool room; // the group fits: nothing overlaps
    } rows[] = {
        {"wide, bare", {0, 0, 1920, 1080}, Bare, Bare, {}, false, {351, 289}, true},
        {"wide, framed", {0, 0, 1920, 1080}, Framed, ToolFramed, {}, false, {348, 276}, true},
        {"panel on the left", {48, 0, 1872, 1080}, Framed, ToolFramed, {}, false, {372, 276}, true},
        {"second screen at an offset", {1920, 0, 1280, 1024}, Framed, ToolFramed, {}, false, {1948, 248}, true},
        {"1280 x 720 with a panel below", {0, 0, 1280, 690}, Framed, ToolFramed, {}, false, {28, 81}, true},
        {"narrow", {0, 0, 1024, 768}, Framed, ToolFramed, {}, false, {0, 120}, false},
        {"narrower than the game window", {0, 0, 800, 600}, Framed, ToolFramed, {}, false, {0, 36}, false},
        {"left where it was", {0, 0, 1920, 1080}, Framed, ToolFramed, QPoint(100, 50), false, {100, 50}, true},
        {"left too far right and down", {0, 0, 1920, 1080}, Framed, ToolFramed, QPoint(1800, 900), false, {697, 552}, true},
        {"kept at the right edge", {0, 0, 1920, 1080}, Framed, ToolFramed, QPoint(1100, 40), true, {1100, 40}, false},
        {"left above a top panel", {0, 30, 1920, 1050}, Framed, ToolFramed, QPoint(10, 0), false, {10, 30}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const placement::Group g =
            placement::arrange(row.area, Window{GameSize, row.game}, Window{RadarSize, row.tool},
                               Window{HelpSize, row.tool}, row.gameAt, row.gameStays);
        EXPECT_EQ(g.game.topLeft(), row.expectGame);
        // Frames, not client areas, are placed.
        EXPECT_EQ(g.game.size(), GameSize.grownBy(row.game));
        EXPECT_EQ(g.radar.size(), RadarSize.grownBy(row.tool));
        EXPECT_EQ(g.help.size(), HelpSize.grownBy(row.tool));
        for (const QRect& w : {g.radar, g.help})
            EXPECT_TRUE(row.area.contains(w)) << text(w);
        if (g.game.width() <= row.area.width())
            EXPECT_TRUE(row.area.contains(g.game)) << text(g.game);
        EXPECT_EQ(g.radar.top(), g.game.top());
        EXPECT_EQ(g.help.left(), g.radar.left());
        if (row.room) {
            EXPECT_EQ(g.radar.left(), g.game.right() + 1 + placement::Gap);
            EXPECT_EQ(g.help.top(), g.radar.bottom() + 1 + placement::Gap);
            EXPECT_FALSE(g.game.intersects(g.radar));
            EXPECT_FALSE(g.game.intersects(g.help));
            EXPECT_FALSE(g.radar.intersects(g.help));
        } else {
            // Over the right part of the game window, flush with the screen's edge.
            EXPECT_EQ(std::max(g.radar.right(), g.help.right()), row.area.right());
            EXPECT_TRUE(g.game.intersects(g.radar));
        }
    }
}

TEST(WindowPlacement, AWindowAloneIsCentred)
{
    EXPECT_EQ(placement::centred({0, 0, 1920, 1080}, {564, 330}), QPoint(678, 375));
    EXPECT_EQ(placement::centred({1920, 40, 1280, 984}, {564, 330}), QPoint(2278, 367));
    // Larger than the screen: its top-left corner stays on it.
    EXPECT_EQ(placement::centred({100, 0, 500, 400}, {564, 330}), QPoint(100, 35));
    EXPECT_EQ(placement::clientAt({10, 20}, Framed), QPoint(12, 44));
}

} // namespace
