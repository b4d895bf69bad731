#include "GameFixture.h"
#include "TileCatalogue.h"

namespace {

// A board of floor with a wall frame where a test puts what it needs.
class Player : public GameFixture {
protected:
    GameWindow& start(const Board& b, int row = 2) { return startCalm(row, b); }
    void press(GameWindow& g, int key) { g.FG_KeyDown(key, Qt::NoModifier); }
    // Lets a started move run to its end (seven ticks of the step timer).
    void walk(GameWindow& g) { clock.advance(8 * g.SprMovTimer->interval() + 1); }
};

// Each arrow: the first press turns (picture, tools and light follow), the
// second walks one cell that way.
TEST_F(Player, FirstPressTurnsSecondWalks)
{
    struct Arrow {
        int key, dir, frame, dx, dy;
    };
    const Arrow arrows[] = {{Qt::Key_Up, 0, 1, 0, -1}, {Qt::Key_Right, 1, 2, 1, 0}, {Qt::Key_Down, 2, 3, 0, 1},
                            {Qt::Key_Left, 3, 0, -1, 0}};
    GameWindow& g = start(floorBoard());
    for (const Arrow& a : arrows) {
        SCOPED_TRACE(a.dir);
        m.SprX = m.SprY = 3000;
        m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = static_cast<std::int16_t>((a.dir + 1) % 4);
        press(g, a.key);
        expectPlayerAndTools(3000, 3000, a.dir);
        EXPECT_EQ(g.f.SprFrame, a.frame);
        EXPECT_EQ(m.SprMoving, Off);
        press(g, a.key);
        EXPECT_EQ(m.SprMoving, On);
        EXPECT_TRUE(g.SprMovTimer->enabled());
        walk(g);
        expectPlayerAndTools(3000 + 300 * a.dx, 3000 + 300 * a.dy, a.dir);
        EXPECT_EQ(m.SprMoving, Off);
        EXPECT_EQ(m.SprStep, 0);
        EXPECT_FALSE(g.SprMovTimer->enabled());
    }
}

// Turning on a cell takes what lies there, as a step does.
TEST_F(Player, TurningTakesTheItemUnderThePlayer)
{
    GameWindow& g = start(floorBoard());
    g.SprMovTimer->setEnabled(false);
    m.MapTile(1, 18) = 9;
    press(g, Qt::Key_Up);
    EXPECT_EQ(m.MapTile(1, 18), 15);
    EXPECT_EQ(g.f.Score, 30);
}

TEST_F(Player, WallsAndTheBoardEdgeBlock)
{
    Board b = floorBoard();
    b(0, 18) = 1;
    b(1, 19) = 20; // water
    GameWindow& g = start(b);
    press(g, Qt::Key_Left); // already facing left, into a boulder: turns in place
    EXPECT_EQ(m.SprMoving, Off);
    press(g, Qt::Key_Down);
    press(g, Qt::Key_Down);
    EXPECT_EQ(m.SprMoving, Off);
    EXPECT_EQ(m.SprY, 5400);
    // Column 25 facing right: the edge blocks though the map has no wall there.
    m.SprX = 25 * 300;
    m.SprDir = 1;
    EXPECT_TRUE(g.CheckSpriteHit());
    m.SprX = 300;
    m.SprY = 0;
    m.SprDir = 0;
    EXPECT_TRUE(g.CheckSpriteHit());
}

TEST_F(Player, ItemsAreEatenHalfwayThroughAMove)
{
    Board b = floorBoard();
    b(2, 18) = 0;
    b(3, 18) = 0;
    GameWindow& g = start(b);
    press(g, Qt::Key_Right);
    press(g, Qt::Key_Right);
    const auto stepTo = [&](int x) { ASSERT_TRUE(advanceUntil([&] { return m.SprX == x; })) << x; };
    stepTo(400);
    EXPECT_EQ(m.MapTile(2, 18), 0);
    stepTo(450); // rounds to column 2
    EXPECT_EQ(m.MapTile(2, 18), 15);
    walk(g);
    ASSERT_EQ(m.SprX, 600);
    press(g, Qt::Key_Right);
    stepTo(750); // still rounds to column 2
    EXPECT_EQ(m.MapTile(3, 18), 0);
    stepTo(800);
    EXPECT_EQ(m.MapTile(3, 18), 15);
}

TEST_F(Player, CellRoundingIsHalvesToEven)
{
    EXPECT_EQ(GameWindow::cellOf(450), 2);
    EXPECT_EQ(GameWindow::cellOf(750), 2);
    EXPECT_EQ(GameWindow::cellOf(1050), 4);
    EXPECT_EQ(GameWindow::cellOf(149), 0);
    EXPECT_EQ(GameWindow::cellOf(151), 1);
    EXPECT_EQ(GameWindow::cellOf(-150), 0);
    EXPECT_EQ(GameWindow::cellOf(-450), -2);
}

TEST_F(Player, ArrowsDuringAMoveAreDropped)
{
    GameWindow& g = start(floorBoard());
    press(g, Qt::Key_Up);
    press(g, Qt::Key_Up);
    clock.advance(g.SprMovTimer->interval());
    press(g, Qt::Key_Left); // lost: no turn later
    press(g, Qt::Key_Up);   // lost: the move is not lengthened
    walk(g);
    EXPECT_EQ(m.SprY, 5100);
    EXPECT_EQ(m.SprDir, 0);
    clock.advance(1000);
    EXPECT_EQ(m.SprY, 5100);
    EXPECT_EQ(m.SprDir, 0);
}

// A game restarted in the middle of a move leaves nothing of it to the next:
// the new game's first move is a whole cell.
TEST_F(Player, ARestartMidMoveLeavesNoPartOfIt)
{
    GameWindow& g = start(floorBoard());
    press(g, Qt::Key_Up);
    press(g, Qt::Key_Up);
    ASSERT_TRUE(advanceUntil([&] { return m.SprStep == 3; }));
    program.backToModeWindow();
    GameWindow& again = start(floorBoard());
    press(again, Qt::Key_Up);
    press(again, Qt::Key_Up);
    walk(again);
    EXPECT_EQ(std::make_pair(m.SprX, m.SprY), std::make_pair(std::int16_t{300}, std::int16_t{5100}));
}

TEST_F(Player, DeathMessageOnlyLetsArrowsTurn)
{
    GameWindow& g = start(floorBoard());
    g.f.MsgBusy = On;
    press(g, Qt::Key_Left);
    press(g, Qt::Key_Left);
    EXPECT_EQ(m.SprMoving, Off);
    press(g, Qt::Key_Up);
    EXPECT_EQ(m.SprDir, 0);
    EXPECT_EQ(m.SprMoving, Off);
}

// Paused, every key but Enter waits, while releases still let go of the
// drill and the laser; with the ending showing no key does anything.
TEST_F(Player, PausedOrEndedTheKeysDoNothing)
{
    Board b = floorBoard();
    b(1, 18) = 80;
    b(9, 9) = 81;
    GameWindow& g = start(b);
    g.f.PP = 10;
    clock.advance(100);
    const auto pressAll = [&] {
        for (int k : {Qt::Key_Up, Qt::Key_Left, Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z})
            press(g, k);
    };
    const auto untouched = [&] {
        EXPECT_EQ(m.SprDir, 3);
        EXPECT_EQ(m.SprMoving, Off);
        EXPECT_EQ(m.SprX, 300); // no tunnel jump
        EXPECT_EQ(m.SprHide, Off);
        EXPECT_EQ(g.f.PP, 10);
        EXPECT_FALSE(g.LightTimer->enabled());
        EXPECT_FALSE(g.ChiTimer->enabled());
        EXPECT_FALSE(g.LsTimer->enabled());
        EXPECT_EQ(m.ChiOn, Off);
        EXPECT_EQ(m.Ls1On, Off);
    };
    g.vm.setVisible(QStringLiteral("Label23"), true);
    pressAll();
    untouched();
    // Taken up before the pause, released during it.
    g.vm.setVisible(QStringLiteral("Label23"), false);
    press(g, Qt::Key_X);
    press(g, Qt::Key_Z);
    g.vm.setVisible(QStringLiteral("Label23"), true);
    g.FG_KeyUp(Qt::Key_X, Qt::NoModifier);
    g.FG_KeyUp(Qt::Key_Z, Qt::NoModifier);
    EXPECT_EQ(m.ChiKey, Off);
    EXPECT_EQ(m.LsKey, Off);
    untouched();

    g.vm.setVisible(QStringLiteral("Label23"), false);
    press(g, Qt::Key_X);
    g.vm.setVisible(QStringLiteral("EndFm"), true);
    g.FG_KeyUp(Qt::Key_X, Qt::NoModifier);
    pressAll();
    untouched();
}

TEST_F(Player, ACellTakesSevenStepPeriods)
{
    for (int level : {1, 16}) {
        SCOPED_TRACE(level);
        GameWindow& g = start(floorBoard(), level == 1 ? 0 : 4);
        m.Level = static_cast<std::int16_t>(level);
        clock.advance(100); // the status refresh sets the step period
        ASSERT_EQ(g.SprMovTimer->interval(), 36 - 2 * level);
        press(g, Qt::Key_Up);
        press(g, Qt::Key_Up);
        walk(g); // the first move rides the step timer that ran since start-up
        press(g, Qt::Key_Up);
        const std::int64_t begun = clock.now();
        ASSERT_TRUE(advanceUntil([&] { return m.SprMoving == Off; }));
        EXPECT_EQ(clock.now() - begun, level == 1 ? 238 : 28);
        program.backToModeWindow();
    }
}

// A held key repeats every 30 ms: each repeat after a move has ended starts
// the next, so the player walks on with pauses shorter than a repeat, and
// stands exactly where whole cells and sub-steps put it.
TEST_F(Player, HoldingAKeyWalksCellAfterCell)
{
    GameWindow& g = start(floorBoard());
    press(g, Qt::Key_Up);
    int cells = 0;
    std::int64_t endedAt = -1;
    for (int repeat = 0; repeat < 60; ++repeat) {
        const bool wasMoving = m.SprMoving == On;
        press(g, Qt::Key_Up);
        if (!wasMoving && m.SprMoving == On && endedAt >= 0)
            EXPECT_LE(clock.now() - endedAt, 30);
        for (int ms = 0; ms < 30; ++ms) {
            const bool moving = m.SprMoving == On;
            clock.advance(1);
            if (moving && m.SprMoving == Off) {
                ++cells;
                endedAt = clock.now();
            }
            ASSERT_EQ(m.SprY, 5400 - 300 * cells - 50 * m.SprStep);
        }
    }
    EXPECT_EQ(cells, 8); // 1.8 s of cells of 7 x 26 ms, each waiting for a repeat
}

TEST_F(Player, BallOnTheStartCellGoesWithTheFirstStepTick)
{
    Board b = floorBoard();
    b(1, 18) = 0;
    writeMap(1, b);
    program.ModeCmd_Click(2);
    GameWindow& g = *program.game();
    g.Form_Activate();
    EXPECT_EQ(m.MapTile(1, 18), 0);
    // The step timer runs from the window's creation; its first tick (after the
    // status refresh set its period) takes the ball without any key.
    clock.advance(50 + g.SprMovTimer->interval());
    EXPECT_EQ(m.MapTile(1, 18), 15);
    EXPECT_EQ(g.f.Score, 6);
    EXPECT_EQ(host.sound.count(QStringLiteral("effect /wav/sm.wav")), 1);
}

TEST_F(Player, StandingOnAStaircaseShowsTheHint)
{
    Board b = floorBoard();
    b(2, 18) = 80;
    b(3, 18) = 81;
    GameWindow& g = start(b);
    clock.advance(50);
    EXPECT_FALSE(g.vm.visible("Label14"));
    for (int cell : {2, 3}) {
        g.vm.setText(QStringLiteral("Label14"), QString());
        press(g, Qt::Key_Right);
        press(g, Qt::Key_Right);
        walk(g);
        clock.advance(50);
        EXPECT_TRUE(g.vm.visible("Label14")) << cell;
        EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("C鍵地道移動")) << cell;
    }
}

// The player is drawn over the fresh board with the picture of its facing,
// the pale one while hidden: red in the normal look, hardly any when pale.
TEST_F(Player, DrawnByFacingAndSeeThroughWhileHidden)
{
    Board b = floorBoard();
    b(1, 18) = 17; // a floor with a pattern, so the mask shows
    GameWindow& g = start(b);
    const Pictures& pics = g.FG.pictures();
    const QImage floor = pics.tileSheet().copy(QRect(pics.tileAt(17), QSize(20, 20)));
    int red[2] = {0, 0};
    for (int hidden : {0, 1}) {
        m.SprHide = hidden ? On : Off;
        for (int frame = 0; frame < 4; ++frame) {
            g.f.SprFrame = static_cast<std::int16_t>(frame);
            clock.advance(50);
            const QImage shown = cellAt(g.FG.image(), m.SprX, m.SprY);
            EXPECT_EQ(shown, maskedOver(floor, SpriteSet::SprPic, frame + 8, frame + 4 * hidden)) << frame;
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 20; ++x)
                    red[hidden] += shown.pixelColor(x, y).red() > 150 && shown.pixelColor(x, y).green() < 100;
        }
    }
    EXPECT_GT(red[0], 4 * 30);
    EXPECT_LT(red[1], 4 * 5);
}

} // namespace
