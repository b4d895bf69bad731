#include "GameFixture.h"

namespace {

// Ghost tests drive MoveGhosts directly on a quiet board (only slot 0 alive).
class Ghosts : public GameFixture {
protected:
    GameWindow& start(const Board& b, int row = 2)
    {
        GameWindow& g = startCalm(row, b);
        g.setGameClock(false); // the test steps the ghosts itself
        return g;
    }
    GhoRec& ghost(int x, int y, int dir)
    {
        GhoRec& g = m.GhoTab[0];
        g = GhoRec{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), static_cast<std::int16_t>(dir), true,
                   On, 0};
        return g;
    }
};

TEST_F(Ghosts, FacingTheEdgeRedrawsWithoutMoving)
{
    GameWindow& g = start(floorBoard());
    GhoRec& gh = ghost(0, 900, 3);
    host.rnd = {0.1, 0.6, 0.3}; // up, down, right
    g.MoveGhosts();
    EXPECT_EQ(gh.Dir, 0);
    EXPECT_EQ(gh.X, 0);
    EXPECT_EQ(gh.Y, 900);
    g.MoveGhosts(); // up is free: steps
    EXPECT_EQ(gh.Y, 850);
}

TEST_F(Ghosts, WalksStraightAndFinishesACellEvenIfItCloses)
{
    GameWindow& g = start(floorBoard());
    GhoRec& gh = ghost(3000, 3000, 1);
    g.MoveGhosts();
    EXPECT_EQ(gh.X, 3050);
    m.MapTile(11, 10) = 1; // the cell it enters becomes a wall
    for (int i = 0; i < 5; ++i)
        g.MoveGhosts();
    EXPECT_EQ(gh.X, 3300);
    EXPECT_EQ(host.log.count(QStringLiteral("Rnd")), 90); // only the window's load drew
}

TEST_F(Ghosts, RubbleNinetyFiveIsPassedStraightButRefusedAfterATurn)
{
    Board b = floorBoard();
    b(11, 10) = 95;
    GameWindow& g = start(b);
    GhoRec& gh = ghost(3000, 3000, 1);
    g.MoveGhosts();
    EXPECT_EQ(gh.X, 3050); // straight on over 95

    // Blocked ahead (up), turns right towards 95: reverses to left, no move.
    Board c = floorBoard();
    m.MapTile = c;
    m.MapTile(10, 9) = 1;
    m.MapTile(11, 10) = 95;
    GhoRec& gh2 = ghost(3000, 3000, 0);
    host.rnd = {0.3}; // 1 = right
    g.MoveGhosts();
    EXPECT_EQ(gh2.Dir, 3);
    EXPECT_EQ(gh2.X, 3000);
    EXPECT_EQ(gh2.Y, 3000);
}

TEST_F(Ghosts, RightAngleTurnDrawsUntilASideDirection)
{
    Board b = floorBoard();
    b(10, 9) = 1;
    GameWindow& g = start(b);
    GhoRec& gh = ghost(3000, 3000, 0);
    host.rnd = {0.0, 0.5, 0.9}; // up, down (not sideways), left
    g.MoveGhosts();
    EXPECT_EQ(gh.Dir, 3);
    EXPECT_EQ(gh.X, 2950);
}

TEST_F(Ghosts, DeadEndStandsTurningUntilItDrawsTheWayOut)
{
    Board b = floorBoard();
    // Cell (10, 10) open only to the right.
    b(10, 9) = b(10, 11) = b(9, 10) = 1;
    GameWindow& g = start(b);
    GhoRec& gh = ghost(3000, 3000, 3);
    host.rnd = {0.1, 0.6}; // blocked left: turns up (blocked) and reverses to down
    g.MoveGhosts();
    EXPECT_EQ(gh.Dir, 2);
    EXPECT_EQ(gh.X, 3000);
    EXPECT_EQ(gh.Y, 3000);
    host.rnd = {0.3}; // blocked down: turns right, which is open
    g.MoveGhosts();
    EXPECT_EQ(gh.Dir, 1);
    EXPECT_EQ(gh.X, 3050);
}

TEST_F(Ghosts, DrawnOnTopOfThePlayerAndMarkedDrawn)
{
    GameWindow& g = start(floorBoard());
    GhoRec& gh = ghost(600, 600, 2);
    gh.Drawn = Off;
    m.GhoTab[1].Drawn = Off; // in play but not alive: still marked drawn
    g.DrawGhosts();
    EXPECT_EQ(gh.Drawn, On);
    EXPECT_EQ(m.GhoTab[1].Drawn, On);
    EXPECT_EQ(m.GhoTab[m.lastGhostSlot() + 1].Drawn, Off); // out of play
}

TEST_F(Ghosts, TouchRule)
{
    EXPECT_TRUE(GameWindow::Touches(400, 300, 300, 300));
    EXPECT_TRUE(GameWindow::Touches(300, 200, 300, 300));
    EXPECT_TRUE(GameWindow::Touches(300, 300, 300, 300));
    EXPECT_FALSE(GameWindow::Touches(500, 300, 300, 300));
    EXPECT_FALSE(GameWindow::Touches(600, 300, 300, 300));
    EXPECT_FALSE(GameWindow::Touches(350, 350, 300, 300));
}

TEST_F(Ghosts, ContactKillsOnceAndLaterGhostsStepButCannotKill)
{
    GameWindow& g = start(floorBoard());
    m.SprX = 3300;
    m.SprY = 3000;
    ghost(3150, 3000, 1); // steps to 3200: touches
    GhoRec& second = m.GhoTab[1];
    second = GhoRec{3450, 3000, 3, true, On, 1}; // steps to 3400: would touch too
    const std::int16_t lives = m.Lives;
    int ticksDuringBox = 0;
    host.whileBoxUp = [&] {
        EXPECT_EQ(g.f.MsgBusy, On);
        EXPECT_FALSE(g.GameTimer->enabled());
        ++ticksDuringBox;
    };
    g.MoveGhosts();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("哇!Mibbet死掉了"));
    EXPECT_EQ(ticksDuringBox, 1);
    EXPECT_EQ(m.Lives, lives - 1);
    EXPECT_EQ(g.vm.text("Label6"), QString::number(lives - 2));
    EXPECT_EQ(m.GhoTab[0].X, 3900);
    EXPECT_EQ(m.GhoTab[0].Y, 900);
    EXPECT_EQ(second.X, 3400); // stepped, found the player untouchable
    EXPECT_EQ(m.SprX, 300);
    EXPECT_EQ(m.SprY, 5400);
    EXPECT_EQ(m.SprHide, On);
    EXPECT_EQ(g.f.HideSec, 5);
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("無敵5秒"));
    EXPECT_TRUE(g.GameTimer->enabled());
    EXPECT_EQ(g.f.MsgBusy, Off);
}

TEST_F(Ghosts, InvincibilityEndsAfterFiveSeconds)
{
    GameWindow& g = start(floorBoard());
    m.SprX = 3300;
    m.SprY = 3000;
    ghost(3150, 3000, 1);
    g.MoveGhosts();
    g.SprChkTimer->setEnabled(true);
    clock.advance(4999);
    EXPECT_EQ(m.SprHide, On);
    clock.advance(1);
    EXPECT_EQ(m.SprHide, Off);
    EXPECT_FALSE(g.vm.visible("Label3"));
    EXPECT_FALSE(g.SprChkTimer->enabled());
}

TEST_F(Ghosts, DeathInTheMiddleOfAMoveThenAWholeCell)
{
    GameWindow& g = start(floorBoard());
    g.FG_KeyDown(Qt::Key_Up, Qt::NoModifier);
    g.FG_KeyDown(Qt::Key_Up, Qt::NoModifier);
    while (m.SprStep < 3)
        clock.advance(1);
    ghost(m.SprX, m.SprY - 150, 2); // steps onto the walking player
    g.MoveGhosts();
    EXPECT_EQ(m.SprMoving, Off);
    EXPECT_EQ(m.SprStep, 0);
    EXPECT_EQ(m.SprY, 5400);
    EXPECT_EQ(m.SprDir, 0); // a ghost death keeps the facing
    g.FG_KeyDown(Qt::Key_Up, Qt::NoModifier);
    EXPECT_EQ(m.SprMoving, On);
    clock.advance(400);
    EXPECT_EQ(m.SprY, 5100);
}

TEST_F(Ghosts, LastLifeEndsTheGame)
{
    GameWindow& g = start(floorBoard());
    m.Lives = 1;
    m.SprX = 3300;
    m.SprY = 3000;
    ghost(3150, 3000, 1);
    g.MoveGhosts();
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].text, QStringLiteral("遊戲結束"));
    EXPECT_EQ(host.boxes[1].title, QStringLiteral("GameOver"));
    EXPECT_EQ(g.vm.text("Label6"), QStringLiteral("-1"));
    EXPECT_FALSE(g.Timer1->enabled());
    EXPECT_FALSE(g.MvGhoTimer->enabled());
    EXPECT_FALSE(g.GameTimer->enabled());
    EXPECT_TRUE(g.EndTimer->enabled());
    EXPECT_FALSE(g.vm.enabled("Game"));
    EXPECT_FALSE(g.vm.enabled("Toolbar1.halvern"));
    EXPECT_EQ(host.sound.last(), QStringLiteral("StopMusic"));
    EXPECT_EQ(m.SprMoving, Off); // only a time-out freezes the player this way
}

} // namespace
