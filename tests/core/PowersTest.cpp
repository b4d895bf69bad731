#include "GameFixture.h"

namespace {

class Powers : public GameFixture {
protected:
    GameWindow& start(const Board& b, int row = 0)
    {
        GameWindow& g = startCalm(row, b);
        clock.advance(60); // PP ceiling and periods set
        return g;
    }
    void key(GameWindow& g, int k) { g.FG_KeyDown(k, Qt::NoModifier); }
    // Player on cell (c, r) facing right, beam cells refreshed.
    void place(GameWindow& g, int c, int r)
    {
        m.SprX = static_cast<std::int16_t>(c * 300);
        m.SprY = static_cast<std::int16_t>(r * 300);
        m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = 1;
        g.f.SprFrame = 2;
        g.SetFxPos();
    }
    GhoRec& ghostAt(int x, int y)
    {
        GhoRec& gh = m.GhoTab[0];
        gh = GhoRec{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 3, true, On, 0};
        return gh;
    }
};

TEST_F(Powers, LaserKillsWithJustEnoughPP)
{
    GameWindow& g = start(floorBoard()); // survival: 8 PP a kill
    place(g, 5, 5);
    key(g, Qt::Key_Z);
    EXPECT_TRUE(g.LsTimer->enabled());
    g.f.PP = 8;
    GhoRec& gh = ghostAt(6 * 300, 5 * 300);
    g.LaserAndDrillTests(0);
    EXPECT_FALSE(gh.Alive);
    EXPECT_EQ(gh.Drawn, Off);
    EXPECT_EQ(g.f.PP, 0);
    EXPECT_EQ(g.f.Score, 20);
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP-8"));
    EXPECT_EQ(g.vm.text("Frame21"), QStringLiteral("PP值：0 / 10"));
    // One PP short: the ghost at the far cell survives.
    g.f.PP = 7;
    GhoRec& far = ghostAt(7 * 300, 5 * 300);
    g.LaserAndDrillTests(0);
    EXPECT_TRUE(far.Alive);
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP值不足"));
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("感到雷射光芒減弱，能量不足\r\r無法有效的打死鬼"));
    // Released: nothing is hit.
    g.FG_KeyUp(Qt::Key_Z, Qt::NoModifier);
    g.f.PP = 10;
    g.LaserAndDrillTests(0);
    EXPECT_TRUE(far.Alive);
    EXPECT_FALSE(g.LsTimer->enabled());
}

TEST_F(Powers, RockInTheNearCellShieldsTheFarCell)
{
    Board b = floorBoard();
    b(6, 5) = 1;
    GameWindow& g = start(b);
    place(g, 5, 5);
    key(g, Qt::Key_Z);
    GhoRec& gh = ghostAt(7 * 300 + 50, 5 * 300);
    g.LaserAndDrillTests(0);
    EXPECT_TRUE(gh.Alive);
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("前方有阻礙物"));
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("雷射光被阻礙物削弱\r\r無法有效的打死鬼"));
    m.MapTile(6, 5) = 15;
    g.LaserAndDrillTests(0);
    EXPECT_FALSE(gh.Alive);
}

TEST_F(Powers, NoShieldTestOffTheBoardAndNoHitThere)
{
    Board b = floorBoard();
    b(25, 5) = 1;
    GameWindow& g = start(b);
    place(g, 24, 5); // the far cell lies off the board
    key(g, Qt::Key_Z);
    // A ghost squeezing past the rock on the near cell: no shield test is
    // made (the far cell is off the board), and the near cell's beam hits.
    GhoRec& gh = ghostAt(25 * 300, 5 * 300 + 50);
    g.LaserAndDrillTests(0);
    EXPECT_NE(g.vm.text("Label14"), QStringLiteral("前方有阻礙物"));
    EXPECT_FALSE(gh.Alive);
    // Facing out from the edge column both cells are off the board: no hit.
    place(g, 25, 5);
    GhoRec& other = ghostAt(25 * 300, 5 * 300 - 150);
    g.f.PP = 10;
    g.LaserAndDrillTests(0);
    EXPECT_TRUE(other.Alive);
}

TEST_F(Powers, DrillDodgeOnlyWritesAMessage)
{
    GameWindow& g = start(floorBoard());
    place(g, 5, 5);
    key(g, Qt::Key_X);
    GhoRec& gh = ghostAt(6 * 300, 5 * 300);
    g.LaserAndDrillTests(0);
    EXPECT_TRUE(gh.Alive);
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("鬼使出影子閃躲絕招\r\r無法擊中鬼"));
}

TEST_F(Powers, LaserIsDrawnAndAnimatedOnItsTimer)
{
    GameWindow& g = start(floorBoard());
    place(g, 5, 5);
    key(g, Qt::Key_Z);
    g.FG.takeChangedCells();
    clock.advance(80);
    const auto changed = g.FG.takeChangedCells();
    EXPECT_TRUE(changed.test(6 * BoardRows + 5));
    EXPECT_TRUE(changed.test(7 * BoardRows + 5));
    EXPECT_EQ(g.f.FxFrame, 4);
}

struct DrillCase {
    TileCode code;
    int pp;
    double roll;
    TileCode after;
    int ppAfter;
    const char* panel;
};

TEST_F(Powers, DrillRules)
{
    const DrillCase cases[] = {
        {2, 5, 0.5, 43, 4, nullptr},                                      // h = 501 % 37 = 20
        {2, 0, 0.5, 2, 0, "感到鑽子無力，能量不足\r\r無法破除阻礙物"},
        {1, 5, 0.5, 1, 5, "此岩石堅硬無比\r\r無法破除阻礙物"},
        {3, 5, 0.5, 3, 5, nullptr},                                       // dead tree: no luck, no cost
        {52, 5, 0.5, 52, 5, "破壞營火會出現更多鬼怪\r\r無法破除阻礙物"},
        {43, 5, 0.5, 43, 5, nullptr},                                     // rubble
        {92, 5, 0.5, 95, 4, nullptr},
        {111, 5, 0.5, 111, 5, "前方阻礙物太巨大\r\r無法破除阻礙物"},
        {86, 5, 0.5, 86, 5, "具有生命的雪人\r\r無法破除阻礙物"},
    };
    for (const DrillCase& c : cases) {
        SCOPED_TRACE(c.code);
        GameWindow& g = start(floorBoard());
        place(g, 5, 5);
        m.MapTile(6, 5) = c.code;
        g.f.PP = static_cast<std::int16_t>(c.pp);
        const std::int32_t score = g.f.Score;
        host.rnd = {c.roll};
        key(g, Qt::Key_X);
        clock.advance(80);
        g.FG_KeyUp(Qt::Key_X, Qt::NoModifier);
        EXPECT_EQ(m.MapTile(6, 5), c.after);
        EXPECT_EQ(g.f.PP, c.ppAfter);
        EXPECT_EQ(g.f.Score, score + (c.ppAfter < c.pp ? 5 : 0));
        if (c.panel)
            EXPECT_EQ(g.vm.text("Label1"), QString::fromUtf8(c.panel));
        if (c.ppAfter < c.pp)
            EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP-1"));
        if (c.pp == 0)
            EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP值不足"));
        program.backToModeWindow();
    }
}

TEST_F(Powers, DrillLuckyRollTurnsEvenTheDeadTreeIntoAnItem)
{
    GameWindow& g = start(floorBoard());
    place(g, 5, 5);
    m.MapTile(6, 5) = 3;
    g.f.PP = 5;
    host.rnd = {0.006, 0.99}; // h = floor(7) % 37 = 7: lucky; item floor(0.99 * 7 + 8) = 14
    key(g, Qt::Key_X);
    clock.advance(80);
    EXPECT_EQ(m.MapTile(6, 5), 14);
    EXPECT_EQ(g.f.PP, 4);
    // Off the board: nothing at all.
    place(g, 25, 5);
    host.rnd = {0.006, 0.0};
    clock.advance(80);
    EXPECT_EQ(g.f.PP, 4);
}

TEST_F(Powers, InvisibilityCostsFifteenAndPausedTimeDoesNotCount)
{
    GameWindow& g = start(floorBoard(), 4); // practice: PP ceiling 40
    g.f.PP = 14;
    key(g, Qt::Key_A);
    EXPECT_EQ(m.SprHide, Off);
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("感到自身能量不足\r\r隱形不能"));
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP值不足"));
    g.f.PP = 40;
    key(g, Qt::Key_A);
    key(g, Qt::Key_A);
    EXPECT_EQ(g.f.PP, 10);
    EXPECT_EQ(g.f.HideSec, 30);
    EXPECT_EQ(g.vm.text("Label4"), QStringLiteral("30"));
    EXPECT_EQ(host.sound.count(QStringLiteral("effect /wav/in.wav")), 2);
    clock.advance(1000);
    EXPECT_EQ(g.f.HideSec, 29);
    g.setGameClock(false); // paused for a minute
    clock.advance(60000);
    EXPECT_EQ(g.f.HideSec, 29);
    g.setGameClock(true);
    clock.advance(29000);
    EXPECT_EQ(m.SprHide, Off);
    // With exactly 15 it works and leaves 0.
    g.f.PP = 15;
    key(g, Qt::Key_A);
    EXPECT_EQ(g.f.PP, 0);
    EXPECT_EQ(m.SprHide, On);
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP-15"));
}

TEST_F(Powers, TunnelJumpsBetweenTheLastEndsFound)
{
    Board b = floorBoard();
    b(2, 2) = 80;
    b(20, 15) = 81;
    GameWindow& g = start(b);
    place(g, 2, 2);
    key(g, Qt::Key_C);
    EXPECT_EQ(m.SprX, 6000);
    EXPECT_EQ(m.SprY, 4500);
    EXPECT_EQ(m.Ls1X, 6300); // the tools follow
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("發現通往不明方向的地道\r\r移動到另一地點"));
    key(g, Qt::Key_C);
    EXPECT_EQ(m.SprX, 600);
    place(g, 3, 3);
    key(g, Qt::Key_C);
    EXPECT_EQ(m.SprX, 900);
    // Two 80s: only the last in column order is an end.
    m.MapTile(10, 1) = 80;
    place(g, 2, 2);
    key(g, Qt::Key_C);
    EXPECT_EQ(m.SprX, 600);
    place(g, 10, 1);
    key(g, Qt::Key_C);
    EXPECT_EQ(m.SprX, 6000);
}

TEST_F(Powers, LightTogglesAndBlinksAboveThePlayer)
{
    GameWindow& g = start(floorBoard());
    place(g, 5, 5);
    key(g, Qt::Key_V);
    EXPECT_EQ(m.LightOn, On);
    EXPECT_TRUE(g.LightTimer->enabled());
    EXPECT_EQ(m.LightY, 1200);
    g.FG.takeChangedCells();
    clock.advance(80);
    EXPECT_TRUE(g.FG.takeChangedCells().test(5 * BoardRows + 4));
    key(g, Qt::Key_V);
    EXPECT_FALSE(g.LightTimer->enabled());
    // Paused: A, C, V, X and Z do nothing.
    g.vm.setVisible(QStringLiteral("Label23"), true);
    key(g, Qt::Key_V);
    key(g, Qt::Key_Z);
    EXPECT_FALSE(g.LightTimer->enabled());
    EXPECT_FALSE(g.LsTimer->enabled());
}

} // namespace
