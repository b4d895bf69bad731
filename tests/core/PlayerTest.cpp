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

TEST_F(Player, FirstPressTurnsSecondWalks)
{
    GameWindow& g = start(floorBoard());
    ASSERT_EQ(m.SprDir, 3);
    press(g, Qt::Key_Up);
    EXPECT_EQ(m.SprDir, 0);
    EXPECT_EQ(g.f.SprFrame, 1);
    EXPECT_EQ(m.Ls1Dir, 0);
    EXPECT_EQ(m.Ls2Dir, 0);
    EXPECT_EQ(m.ChiDir, 0);
    EXPECT_EQ(m.SprMoving, Off);
    EXPECT_EQ(m.Ls1Y, 5400 - 300);
    EXPECT_EQ(m.Ls2Y, 5400 - 600);
    EXPECT_EQ(m.LightY, 5100);
    press(g, Qt::Key_Up);
    EXPECT_EQ(m.SprMoving, On);
    walk(g);
    EXPECT_EQ(m.SprY, 5100);
    EXPECT_EQ(m.SprX, 300);
    EXPECT_EQ(m.SprMoving, Off);
    EXPECT_FALSE(g.SprMovTimer->enabled());
    EXPECT_EQ(m.ChiY, 4800);
    EXPECT_EQ(m.LightY, 4800);
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
    const auto stepTo = [&](int x) {
        while (m.SprX != x)
            clock.advance(1);
    };
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

TEST_F(Player, PausedOrEndedTheKeysDoNothing)
{
    GameWindow& g = start(floorBoard());
    g.vm.setVisible(QStringLiteral("Label23"), true);
    press(g, Qt::Key_Up);
    EXPECT_EQ(m.SprDir, 3);
    g.vm.setVisible(QStringLiteral("Label23"), false);
    g.vm.setVisible(QStringLiteral("EndFm"), true);
    press(g, Qt::Key_Up);
    EXPECT_EQ(m.SprDir, 3);
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
        while (m.SprMoving == On)
            clock.advance(1);
        EXPECT_EQ(clock.now() - begun, level == 1 ? 238 : 28);
        program.backToModeWindow();
    }
}

TEST_F(Player, HoldingAKeyWalksCellAfterCell)
{
    GameWindow& g = start(floorBoard());
    press(g, Qt::Key_Up);
    // Auto-repeat every 30 ms: each repeat after a move has ended starts the next.
    for (int i = 0; i < 40; ++i) {
        press(g, Qt::Key_Up);
        clock.advance(30);
    }
    EXPECT_LE(m.SprY, 5400 - 3 * 300);
    EXPECT_EQ(m.SprY % 300 == 0 || m.SprMoving == On, true);
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
    b(20, 3) = 81;
    GameWindow& g = start(b);
    press(g, Qt::Key_Right);
    press(g, Qt::Key_Right);
    walk(g);
    clock.advance(50);
    EXPECT_TRUE(g.vm.visible("Label14"));
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("C鍵地道移動"));
}

TEST_F(Player, DrawnSeeThroughWhileHidden)
{
    GameWindow& g = start(floorBoard());
    clock.advance(50);
    const QImage normal = g.FG.image().copy(20, 360, 20, 20);
    m.SprHide = On;
    clock.advance(50);
    const QImage hidden = g.FG.image().copy(20, 360, 20, 20);
    EXPECT_NE(normal, hidden);
    // Red in the normal look, no strong red in the pale one.
    int red = 0, paleRed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const QColor a = normal.pixelColor(x, y), b2 = hidden.pixelColor(x, y);
            red += a.red() > 150 && a.green() < 100;
            paleRed += b2.red() > 150 && b2.green() < 100;
        }
    EXPECT_GT(red, 30);
    EXPECT_LT(paleRed, 5);
}

} // namespace
