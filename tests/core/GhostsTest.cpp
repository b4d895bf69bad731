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
    // Facing left or right, it draws until up or down; the step after the
    // turn meets the player like any other.
    GhoRec& other = ghost(4200, 2700, 1);
    m.SprX = 4200;
    m.SprY = 2850;
    m.MapTile(15, 9) = 1;
    host.rnd = {0.3, 0.9, 0.6}; // right, left (not up or down), down
    g.MoveGhosts();
    EXPECT_EQ(other.Dir, 2);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(other.X, 3900); // sent back to the spawn cell by the death
    EXPECT_EQ(other.Y, 900);
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

// Each kind with its own picture set, facing its direction; a higher slot
// lies over a lower one; every slot in play is marked drawn, alive or not.
TEST_F(Ghosts, DrawnByKindAndDirectionAndMarkedDrawn)
{
    GameWindow& g = start(floorBoard());
    m.MapTile(2, 2) = 17; // a floor with a pattern, so the masks show
    const SpriteSet sets[] = {SpriteSet::BGhoPic, SpriteSet::UGhoPic, SpriteSet::YGhoPic};
    for (int kind = 0; kind < 3; ++kind)
        for (int dir = 0; dir < 4; ++dir) {
            GhoRec& gh = ghost(600, 600, dir);
            gh.Kind = static_cast<std::int16_t>(kind);
            gh.Drawn = Off;
            m.GhoTab[1] = GhoRec{600, 600, 1, true, Off, static_cast<std::int16_t>((kind + 1) % 3)};
            m.GhoTab[1].Alive = kind != 0;
            g.DrawBoard();
            const QImage floor = cellAt(g.FG.image(), 600, 600);
            g.DrawGhosts();
            QImage want = maskedOver(floor, sets[kind], dir + 4, dir);
            if (kind != 0)
                want = maskedOver(want, sets[(kind + 1) % 3], 5, 1);
            EXPECT_EQ(cellAt(g.FG.image(), 600, 600), want) << kind << " " << dir;
            EXPECT_EQ(gh.Drawn, On);
            EXPECT_EQ(m.GhoTab[1].Drawn, On);
        }
    EXPECT_EQ(m.GhoTab[m.lastGhostSlot() + 1].Drawn, Off); // out of play
}

// Blocked ahead, a ghost draws until a direction across its old one comes
// up, steps that way where it may (95 is refused after a turn), turns back
// where it may not, and draws afresh where the side leads off the board.
TEST_F(Ghosts, BlockedGhostTurnsAtARightAngleOrBack)
{
    GameWindow& g = start(floorBoard());
    const int dx[] = {0, 1, 0, -1}, dy[] = {-1, 0, 1, 0};
    const auto draw = [](int dir) { return (dir + 0.5) / 4; };
    for (int dir = 0; dir < 4; ++dir)
        for (int side : {(dir + 1) % 4, (dir + 3) % 4})
            for (TileCode sideTile : {TileCode(15), TileCode(95), TileCode(1)}) {
                SCOPED_TRACE(testing::Message() << dir << " " << side << " " << sideTile);
                m.MapTile = floorBoard();
                m.MapTile(10 + dx[dir], 10 + dy[dir]) = 1;
                m.MapTile(10 + dx[side], 10 + dy[side]) = sideTile;
                GhoRec& gh = ghost(3000, 3000, dir);
                // Its own direction and its reverse are drawn and refused first.
                host.rnd = {draw(dir), draw((dir + 2) % 4), draw(side)};
                g.MoveGhosts();
                EXPECT_TRUE(host.rnd.empty());
                const bool steps = sideTile == 15;
                EXPECT_EQ(gh.Dir, steps ? side : (side + 2) % 4);
                EXPECT_EQ(gh.X, 3000 + (steps ? 50 * dx[side] : 0));
                EXPECT_EQ(gh.Y, 3000 + (steps ? 50 * dy[side] : 0));
            }
    // In the first column, blocked above, turned left towards the edge.
    m.MapTile = floorBoard();
    m.MapTile(0, 2) = 1;
    GhoRec& gh = ghost(0, 900, 0);
    host.rnd = {draw(3), draw(1)};
    g.MoveGhosts();
    EXPECT_EQ(gh.Dir, 1);
    EXPECT_EQ(gh.X, 0);
    EXPECT_TRUE(host.rnd.empty());
}

// Close along one line only: |d| up to 100 twips touches, 150 and beyond do
// not, and any offset on both axes never touches.
TEST_F(Ghosts, TouchRule)
{
    for (int d = -300; d <= 300; d += 50) {
        const bool close = d >= -100 && d <= 100;
        EXPECT_EQ(GameWindow::Touches(300 + d, 300, 300, 300), close) << "dx " << d;
        EXPECT_EQ(GameWindow::Touches(300, 300 + d, 300, 300), close) << "dy " << d;
        EXPECT_EQ(GameWindow::Touches(300, 300, 300 + d, 300), close) << "other dx " << d;
        if (d != 0)
            EXPECT_FALSE(GameWindow::Touches(300 + d, 300 + 50, 300, 300)) << "both " << d;
    }
}

// Drawing, moving, contact and the stage start all take slots 0..N, where
// N grows with the stage: slot N is in play, slot N + 1 is not.
TEST_F(Ghosts, EveryGhostLoopEndsAtTheLastSlotInPlay)
{
    GameWindow& g = start(floorBoard());
    const int n = m.lastGhostSlot();
    ASSERT_EQ(n, 9); // normal mode, stage 1
    for (int i : {n, n + 1})
        m.GhoTab[i] = GhoRec{3000, 3000, 1, true, Off, 0};
    g.DrawGhosts();
    EXPECT_EQ(m.GhoTab[n].Drawn, On);
    EXPECT_EQ(m.GhoTab[n + 1].Drawn, Off);
    g.MoveGhosts();
    EXPECT_EQ(m.GhoTab[n].X, 3050);
    EXPECT_EQ(m.GhoTab[n + 1].X, 3000);
    m.GhoTab[n + 1].X = m.SprX;
    m.GhoTab[n + 1].Y = m.SprY;
    g.CheckGhostContact();
    EXPECT_TRUE(host.boxes.empty());
    m.GhoTab[n].X = m.SprX;
    m.GhoTab[n].Y = m.SprY;
    g.CheckGhostContact();
    EXPECT_EQ(host.boxes.size(), 1u);
    m.GhoTab[n + 1].X = 3000;
    m.GhoTab[n].X = 3000;
    g.ResetActors();
    EXPECT_EQ(m.GhoTab[n].X, 3900);
    EXPECT_EQ(m.GhoTab[n + 1].X, 3000);
}

// The laser is tested only after a ghost that began its tick on a cell has
// moved: crossing into the beam between cells, a ghost lives one tick more.
TEST_F(Ghosts, LaserTestsOnlyGhostsThatStartOnACell)
{
    GameWindow& g = start(floorBoard());
    m.SprX = m.SprY = 1500;
    m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = 1;
    g.SetFxPos();
    g.FG_KeyDown(Qt::Key_Z, Qt::NoModifier);
    GhoRec& gh = ghost(1750, 1500, 1);
    g.MoveGhosts();
    EXPECT_EQ(gh.X, 1800); // on the near beam cell, untested
    EXPECT_TRUE(gh.Alive);
    g.MoveGhosts();
    EXPECT_FALSE(gh.Alive);
    EXPECT_EQ(g.f.PP, 10 - m.LsCost);
}

// A killed ghost stands where it fell: it neither moves nor touches.
TEST_F(Ghosts, KilledGhostNeverMovesOrTouches)
{
    GameWindow& g = start(floorBoard());
    GhoRec& gh = ghost(m.SprX + 50, m.SprY, 3);
    gh.Alive = false;
    g.MoveGhosts();
    g.CheckGhostContact();
    EXPECT_EQ(gh.X, m.SprX + 50);
    EXPECT_TRUE(host.boxes.empty());
    gh.Alive = true;
    g.CheckGhostContact();
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(Ghosts, ContactKillsOnceAndLaterGhostsStepButCannotKill)
{
    GameWindow& g = start(floorBoard());
    m.SprX = 3300;
    m.SprY = 3000;
    m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = 1;
    ghost(3150, 3000, 1); // steps to 3200: touches
    GhoRec& second = m.GhoTab[1];
    second = GhoRec{3450, 3000, 3, true, On, 1}; // steps to 3400: would touch too
    const std::int16_t lives = m.Lives;
    int ticksDuringBox = 0;
    host.whileBoxUp = [&] {
        EXPECT_EQ(g.f.MsgBusy, On);
        EXPECT_FALSE(g.GameTimer->enabled());
        EXPECT_FALSE(g.SprMovTimer->enabled()); // a walk stops under the box
        ++ticksDuringBox;
    };
    // A laser and a drill in use die with the player; the keys stay held.
    g.FG_KeyDown(Qt::Key_Z, Qt::NoModifier);
    g.FG_KeyDown(Qt::Key_X, Qt::NoModifier);
    g.GameTimer->setEnabled(true); // the stage clock runs until the death stops it
    g.MoveGhosts();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("哇!Mibbet死掉了"));
    EXPECT_TRUE(host.boxes[0].plain);
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
    EXPECT_EQ(m.Ls1On, Off);
    EXPECT_EQ(m.Ls2On, Off);
    EXPECT_EQ(m.ChiOn, Off);
    EXPECT_FALSE(g.LsTimer->enabled());
    EXPECT_FALSE(g.ChiTimer->enabled());
    EXPECT_EQ(m.LsKey, On);
    EXPECT_EQ(m.ChiKey, On);
    expectPlayerAndTools(300, 5400, 1); // facing as before
}

TEST_F(Ghosts, InvincibilityEndsAfterFiveSeconds)
{
    GameWindow& g = start(floorBoard());
    m.SprX = 3300;
    m.SprY = 3000;
    ghost(3150, 3000, 1);
    g.MoveGhosts();
    clock.advance(4999);
    EXPECT_EQ(m.SprHide, On);
    clock.advance(1);
    EXPECT_EQ(m.SprHide, Off);
    EXPECT_FALSE(g.vm.visible("Label3"));
    EXPECT_FALSE(g.vm.visible("Label4"));
    EXPECT_FALSE(g.SprChkTimer->enabled());
}

TEST_F(Ghosts, DeathInTheMiddleOfAMoveThenAWholeCell)
{
    GameWindow& g = start(floorBoard());
    g.FG_KeyDown(Qt::Key_Up, Qt::NoModifier);
    g.FG_KeyDown(Qt::Key_Up, Qt::NoModifier);
    ASSERT_TRUE(advanceUntil([&] { return m.SprStep == 3; }));
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
    m.Lives = 2; // one life left to lose: the game goes on
    m.SprX = 3300;
    m.SprY = 3000;
    ghost(3150, 3000, 1);
    g.MoveGhosts();
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_FALSE(g.EndTimer->enabled());
    EXPECT_EQ(g.vm.text("Label6"), QStringLiteral("0"));
    host.boxes.clear();
    m.SprHide = Off;
    m.SprX = 3300;
    m.SprY = 3000;
    ghost(3150, 3000, 1);
    g.setGameClock(true);
    // Laser and drill taken up again while the game-over box is on screen.
    host.whileBoxUp = [&] {
        if (host.boxes.back().text == QStringLiteral("遊戲結束")) {
            g.FG_KeyDown(Qt::Key_Z, Qt::NoModifier);
            g.FG_KeyDown(Qt::Key_X, Qt::NoModifier);
        }
    };
    g.MoveGhosts();
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].text, QStringLiteral("遊戲結束"));
    EXPECT_EQ(host.boxes[1].title, QStringLiteral("GameOver"));
    EXPECT_FALSE(host.boxes[1].plain);
    EXPECT_EQ(g.vm.text("Label6"), QStringLiteral("-1"));
    for (Timer* t : {g.Timer1.get(), g.MvGhoTimer.get(), g.GifOneTimer.get(), g.GameTimer.get(), g.LsTimer.get(),
                     g.ChiTimer.get()})
        EXPECT_FALSE(t->enabled()) << t->name();
    EXPECT_TRUE(g.SprChkTimer->enabled()); // the invincibility still counts down
    EXPECT_EQ(m.Ls1On, Off);
    EXPECT_EQ(m.Ls2On, Off);
    EXPECT_EQ(m.ChiOn, Off);
    EXPECT_TRUE(g.EndTimer->enabled());
    EXPECT_TRUE(g.vm.enabled("EndFm"));
    for (const char* menu : {"Game", "Win", "Coped", "Sco", "QA", "LinkWeb", "Tool"})
        EXPECT_FALSE(g.vm.enabled(QString::fromLatin1(menu))) << menu;
    for (const char* key : {"reset", "stop", "save", "load", "quit", "coped", "mess", "lada", "sco", "callme", "cop",
                            "halvern"})
        EXPECT_FALSE(g.vm.enabled(QStringLiteral("Toolbar1.") + QLatin1String(key))) << key;
    EXPECT_EQ(host.sound.last(), QStringLiteral("StopMusic"));
    EXPECT_EQ(m.SprMoving, Off); // only a time-out freezes the player this way
}

} // namespace
