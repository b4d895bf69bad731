#include "WindowScale.h"

#include <gtest/gtest.h>

namespace {

// The game window's content and its side column at factor 1, and what does
// not grow round them (frames, menus and toolbar, the gap).
constexpr QSize Content(794, 416), Side(400, 470), Fixed(46, 120);

TEST(WindowScale, WholeFactorsOnEveryScreen)
{
    const struct {
        const char* what;
        QSize space;
        double ratio;
        int fitting, first; // the content alone; the game window and side windows
    } rows[] = {
        {"1920 x 1080", {1920, 1080}, 1, 2, 1},
        {"2560 x 1440", {2560, 1440}, 1, 3, 2},
        {"3840 x 2160", {3840, 2160}, 1, 4, 3},
        {"4K scaled 2x by the desktop", {1920, 1080}, 2, 2, 1},
        {"scaled 1.5: 2 is 3 device pixels a pixel", {1707, 960}, 1.5, 2, 1},
        {"1366 x 768", {1366, 768}, 1, 1, 1},
        {"smaller than the content", {600, 400}, 1, 1, 1},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(scaling::fittingFactor(r.space, Content, r.ratio), r.fitting) << r.what;
        EXPECT_EQ(scaling::firstFactor(r.space, Fixed, Content, Side, r.ratio), r.first) << r.what;
    }
    EXPECT_EQ(scaling::firstFactor({1920, 1080}, Fixed, Content, {}, 1), 2) << "no side window";
}

// Above factor 1 a pixel is a whole block of device pixels (3.75 rounds down to 3).
TEST(WindowScale, APixelIsAWholeBlockOfDevicePixels)
{
    const struct {
        int factor;
        double ratio;
        QSize scaled;
    } rows[] = {{1, 1, {794, 416}},    {3, 1, {2382, 1248}},   {1, 2, {794, 416}}, {2, 2, {1588, 832}},
                {1, 1.5, {794, 416}}, {2, 1.5, {1588, 832}}, {3, 1.25, {1906, 999}}};
    for (const auto& r : rows)
        EXPECT_EQ(scaling::scaled(Content, r.factor, r.ratio), r.scaled) << r.factor << " at " << r.ratio;
}

} // namespace
