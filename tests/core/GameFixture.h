#pragma once
#include "GameProgram.h"
#include "GameWindow.h"
#include "SimClock.h"
#include "StageMapFile.h"
#include "TestHost.h"

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

// A program under the simulated clock with its own program folder.
class GameFixture : public ::testing::Test {
protected:
    GameFixture() : host(clock), program(host, clock)
    {
        host.appDir = dir.path();
        QDir(dir.path()).mkpath(QStringLiteral("map"));
    }

    std::string mapPath(int stage) const
    {
        return (dir.path() + QStringLiteral("/map/map") + QString::number(stage)).toStdString();
    }

    // A board whose every cell is code 15 except a few balls.
    static Board sampleBoard()
    {
        Board b;
        b.cells.fill(15);
        b(2, 2) = 0;
        b(3, 2) = 0;
        b(4, 2) = 6;
        return b;
    }

    void writeMap(int stage, const Board& b = sampleBoard()) { ASSERT_TRUE(stagemap::write(mapPath(stage), b)); }

    // Chooses a mode and lets the window's first showing activate it, as the windows do.
    GameWindow& startGame(int row)
    {
        program.ModeCmd_Click(row);
        GameWindow* g = program.game();
        EXPECT_NE(g, nullptr);
        g->Form_Activate();
        return *g;
    }

    // Floor everywhere but one ball in a far corner, so the stage goes on.
    static Board floorBoard()
    {
        Board b;
        b.cells.fill(15);
        b(24, 1) = 0;
        return b;
    }

    // Starts a game on `b` (map 0 for practice, map 1 otherwise) with the
    // ghosts out of the way.
    GameWindow& startCalm(int row, const Board& b = floorBoard())
    {
        writeMap(row == 4 ? 0 : 1, b);
        GameWindow& g = startGame(row);
        calmGhosts();
        return g;
    }

    // Takes every ghost out of play, for tests about something else.
    void calmGhosts()
    {
        for (GhoRec& g : m.GhoTab)
            g.Alive = false;
    }

    // 20 x 20 pixels of `under` with a sprite drawn over them: the mask by
    // AND, then the picture by XOR.
    static QImage maskedOver(QImage under, SpriteSet set, int mask, int picture)
    {
        const Pictures& pics = Pictures::forScale(1);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const QRgb mk = pics.spriteSheet().pixel(pics.spriteAt(set, mask) + QPoint(x, y));
                const QRgb pc = pics.spriteSheet().pixel(pics.spriteAt(set, picture) + QPoint(x, y));
                under.setPixel(x, y, ((under.pixel(x, y) & mk) ^ pc) | 0xff000000u);
            }
        return under;
    }
    // Lets simulated time pass a millisecond at a time until `done` holds, for
    // at most ten seconds; true when it came to hold.
    bool advanceUntil(const std::function<bool()>& done)
    {
        for (int ms = 0; ms < 10000 && !done(); ++ms)
            clock.advance(1);
        return done();
    }

    // The player at (x, y) facing dir, with the laser and drill cells in
    // front of it and the light above, all facing the same way.
    void expectPlayerAndTools(int x, int y, int dir) const
    {
        const int dx[] = {0, 1, 0, -1}, dy[] = {-1, 0, 1, 0};
        EXPECT_EQ(std::vector<int>({m.SprX, m.SprY, m.SprDir, m.Ls1Dir, m.Ls2Dir, m.ChiDir}),
                  std::vector<int>({x, y, dir, dir, dir, dir}));
        EXPECT_EQ(std::vector<int>({m.Ls1X, m.Ls1Y, m.Ls2X, m.Ls2Y, m.ChiX, m.ChiY, m.LightX, m.LightY}),
                  std::vector<int>({x + 300 * dx[dir], y + 300 * dy[dir], x + 600 * dx[dir], y + 600 * dy[dir],
                                    x + 300 * dx[dir], y + 300 * dy[dir], x, y - 300}));
    }

    // The 20 x 20 pixels of an image at a twip position on the cell grid.
    static QImage cellAt(const QImage& img, int xTwips, int yTwips) { return img.copy(xTwips / 15, yTwips / 15, 20, 20); }

    QTemporaryDir dir;
    SimClock clock;
    TestHost host;
    GameProgram program;
    Module1& m = program.module();
};
