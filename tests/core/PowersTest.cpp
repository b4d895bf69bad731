#include "GameFixture.h"

#include <set>

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
    // The shield guards the far cell only: a ghost in the near cell dies.
    GhoRec& near = ghostAt(6 * 300, 5 * 300 + 100);
    g.LaserAndDrillTests(0);
    EXPECT_FALSE(near.Alive);
    GhoRec& far = ghostAt(7 * 300 + 50, 5 * 300);
    m.MapTile(6, 5) = 15;
    g.f.PP = 10;
    g.LaserAndDrillTests(0);
    EXPECT_FALSE(far.Alive);
    // Held without its key flag (only the key-down sets all three) it is no beam.
    m.MapTile(6, 5) = 1;
    g.vm.setText(QStringLiteral("Label14"), QString());
    GhoRec& again = ghostAt(7 * 300, 5 * 300);
    m.LsKey = Off;
    g.LaserAndDrillTests(0);
    EXPECT_TRUE(again.Alive);
    EXPECT_EQ(g.vm.text("Label14"), QString());
}

// Only a ghost that has been through a frame can be hit, or dodge the drill.
TEST_F(Powers, UndrawnGhostsAreNeitherHitNorDodge)
{
    GameWindow& g = start(floorBoard());
    place(g, 5, 5);
    key(g, Qt::Key_Z);
    key(g, Qt::Key_X);
    GhoRec& gh = ghostAt(6 * 300, 5 * 300);
    gh.Drawn = Off;
    g.f.PP = 8;
    g.LaserAndDrillTests(0);
    EXPECT_TRUE(gh.Alive);
    EXPECT_EQ(g.f.PP, 8);
    EXPECT_EQ(g.vm.text("Label1"), QString());
    g.f.PP = 7; // too little power: no complaint about an undrawn ghost either
    g.LaserAndDrillTests(0);
    EXPECT_EQ(g.vm.text("Label14"), QString());
    g.DrawGhosts();
    g.LaserAndDrillTests(0);
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP值不足"));
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("感到雷射光芒減弱，能量不足\r\r無法有效的打死鬼"));
}

// Beam cells on the board's last rows and columns still count as on it.
TEST_F(Powers, ShieldWorksUpToTheBoardsEdges)
{
    struct Case {
        int col, row, dir;
    };
    for (const Case& c : {Case{0, 9, 0}, Case{25, 9, 0}, Case{5, 0, 3}, Case{5, 19, 3}, Case{2, 2, 0}, Case{23, 5, 1},
                          Case{5, 17, 2}, Case{2, 5, 3}}) {
        SCOPED_TRACE(testing::Message() << c.col << "," << c.row);
        GameWindow& g = start(floorBoard());
        place(g, c.col, c.row);
        m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = static_cast<std::int16_t>(c.dir);
        g.SetFxPos();
        m.MapTile(GameWindow::cellOf(m.Ls1X), GameWindow::cellOf(m.Ls1Y)) = 1;
        key(g, Qt::Key_Z);
        GhoRec& gh = ghostAt(m.Ls2X, m.Ls2Y);
        g.LaserAndDrillTests(0);
        EXPECT_TRUE(gh.Alive);
        EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("前方有阻礙物"));
        program.backToModeWindow();
    }
}

// Half-way through a step down from row 17, the far cell hangs below the
// board: no shield for it, yet a ghost on the last row touches it.
TEST_F(Powers, AFarCellOffTheBoardIsNeverShielded)
{
    GameWindow& g = start(floorBoard());
    place(g, 5, 17);
    m.SprY = 5200;
    m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = 2;
    g.SetFxPos();
    m.MapTile(5, 18) = 1;
    key(g, Qt::Key_Z);
    GhoRec& gh = ghostAt(1500, 5700);
    g.LaserAndDrillTests(0);
    EXPECT_FALSE(gh.Alive);
    EXPECT_NE(g.vm.text("Label14"), QStringLiteral("前方有阻礙物"));
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

// What the drill makes of each code: a refusal reason, a rubble code, or
// nothing at all.
struct DrillAnswer {
    const char* refusal = nullptr;
    TileCode rubble = -1; // -1: not breakable
};

DrillAnswer drillAnswer(int code)
{
    const auto in = [code](int a, int b) { return code >= a && code <= b; };
    if (code == 1)
        return {"此岩石堅硬無比"};
    if (in(61, 64) || in(66, 74) || in(105, 122))
        return {"前方阻礙物太巨大"};
    const std::pair<int, int> rubble[] = {{2, 43}, {3, 3}, {4, 45}, {5, 46}, {90, 93}, {91, 94}, {92, 95}};
    for (auto [from, to] : rubble)
        if (code == from)
            return {nullptr, static_cast<TileCode>(to)};
    if (in(50, 53))
        return {"破壞營火會出現更多鬼怪"};
    if (in(55, 58) || in(101, 103))
        return {"你不可以破壞環境生態"};
    if (in(76, 77))
        return {"這是古代人的墳墓，你不可以破壞他"};
    if (code == 78)
        return {"被怨靈保護的水井，你不可以破壞他"};
    if (code == 79)
        return {"這是古代人的巨大遺骸，你不可以破壞他"};
    if (in(84, 87))
        return {"具有生命的雪人"};
    if (code == 100)
        return {"這是古代神的神位，你不可以破壞他"};
    return {};
}

// One attempt on every code, with and without PP, on an unlucky roll.
TEST_F(Powers, DrillAnswersEveryCode)
{
    GameWindow& g = start(floorBoard());
    place(g, 5, 5);
    const QString idle = QStringLiteral("-");
    for (int code = -2; code <= 130; ++code) {
        for (int pp : {5, 1, 0}) {
            SCOPED_TRACE(testing::Message() << "code " << code << " PP " << pp);
            const DrillAnswer want = drillAnswer(code);
            m.MapTile(6, 5) = static_cast<TileCode>(code);
            g.f.PP = static_cast<std::int16_t>(pp);
            g.f.Score = 100;
            g.vm.setText(QStringLiteral("Label1"), idle);
            g.vm.setText(QStringLiteral("Label14"), idle);
            host.rnd = {0.5}; // h = 501 % 37 = 20: no luck
            g.ChiBreak();
            const bool breaks = want.rubble >= 0 && want.rubble != code && pp > 0;
            EXPECT_EQ(m.MapTile(6, 5), breaks ? want.rubble : code);
            EXPECT_EQ(g.f.PP, breaks ? pp - 1 : pp);
            EXPECT_EQ(g.f.Score, breaks ? 105 : 100);
            QString panel = idle, floating = idle;
            if (want.refusal)
                panel = QString::fromUtf8(want.refusal) + QStringLiteral("\r\r無法破除阻礙物");
            else if (want.rubble >= 0 && pp == 0)
                panel = QStringLiteral("感到鑽子無力，能量不足\r\r無法破除阻礙物"), floating = QStringLiteral("PP值不足");
            else if (breaks)
                floating = QStringLiteral("PP-1");
            EXPECT_EQ(g.vm.text("Label1"), panel);
            EXPECT_EQ(g.vm.text("Label14"), floating);
            if (breaks)
                EXPECT_EQ(g.vm.text("Frame21"), QStringLiteral("PP值：%1 / 10").arg(pp - 1));
        }
    }
    // Below zero (a test tool can get there) the drill gives up silently.
    m.MapTile(6, 5) = 2;
    g.f.PP = -1;
    g.vm.setText(QStringLiteral("Label1"), idle);
    g.ChiBreak();
    EXPECT_EQ(m.MapTile(6, 5), 2);
    EXPECT_EQ(g.vm.text("Label1"), idle);
}

// A held drill tries once a tick, the first time 80 ms after the key went down.
TEST_F(Powers, HeldDrillTriesEveryTick)
{
    GameWindow& g = start(floorBoard());
    place(g, 5, 5);
    m.MapTile(6, 5) = 2;
    m.MapTile(7, 5) = 5;
    host.rnd = {0.5, 0.5};
    key(g, Qt::Key_X);
    clock.advance(79);
    EXPECT_EQ(m.MapTile(6, 5), 2);
    clock.advance(1);
    EXPECT_EQ(m.MapTile(6, 5), 43);
    m.SprX = 1800; // the target follows the player
    g.SetFxPos();
    clock.advance(80);
    EXPECT_EQ(m.MapTile(7, 5), 46);
    EXPECT_EQ(g.f.PP, 8);
}

// The roll h = floor(r * 1000 + 1) mod 37 is lucky for 1, 7, 11, 17, 21 and
// 31: a second draw picks one of the items 8..14, even from the dead tree.
// The source is reseeded before every attempt.
TEST_F(Powers, DrillLuckOnEveryRoll)
{
    GameWindow& g = start(floorBoard());
    place(g, 5, 5);
    const std::set<int> lucky{1, 7, 11, 17, 21, 31};
    for (int k = 1; k <= 74; ++k) {
        const int h = k % 37;
        for (TileCode code : {TileCode(2), TileCode(3)}) {
            SCOPED_TRACE(testing::Message() << "h " << h << " code " << code);
            m.MapTile(6, 5) = code;
            g.f.PP = 5;
            const double item = (k % 7 + 0.5) / 7; // picks item 8 + k % 7
            host.rnd = {(k - 0.02) / 1000, item}; // just short of the next roll
            host.log.clear();
            g.ChiBreak();
            const bool hit = lucky.count(h) != 0;
            EXPECT_EQ(m.MapTile(6, 5), hit ? 8 + k % 7 : (code == 2 ? 43 : 3));
            EXPECT_EQ(g.f.PP, hit || code == 2 ? 4 : 5);
            const QStringList draws{QStringLiteral("Randomize"), QStringLiteral("Rnd"), QStringLiteral("Rnd")};
            EXPECT_EQ(host.log, draws.mid(0, hit ? 3 : 2));
        }
    }
    // Off the board: reseeded, nothing drawn, nothing done.
    place(g, 25, 5);
    host.log.clear();
    g.ChiBreak();
    EXPECT_EQ(host.log, QStringList{QStringLiteral("Randomize")});
}

// Draws of the effects land where the player's tools are, with the picture
// of its facing and the animation phase, and the phase steps by 4 to 8.
TEST_F(Powers, EffectsAreDrawnInFrontOfAndAboveThePlayer)
{
    Board wood;
    wood.cells.fill(17); // a floor with a pattern, so the masks show
    wood(24, 1) = 0;
    GameWindow& g = start(wood);
    clock.advance(50);
    place(g, 5, 5);
    g.setGameClock(false); // no frame paints over the effects
    const auto expectDrawn = [&](SpriteSet set, int mask, int picture, int x, int y, const QImage& before) {
        EXPECT_EQ(cellAt(g.FG.image(), x, y), maskedOver(cellAt(before, x, y), set, mask, picture));
    };
    // Every timer that draws first wraps a phase above 8 back to 0.
    const auto wrap = [](int phase) { return phase > 8 ? 0 : phase; };
    for (int start : {0, 4, 8, 12}) {
        SCOPED_TRACE(start);
        g.f.FxFrame = static_cast<std::int16_t>(start);
        const int chi = wrap(start), laser = wrap(chi + 4), light = wrap(laser + 4);
        QImage before = g.FG.image().copy();
        key(g, Qt::Key_X);
        clock.advance(80);
        g.FG_KeyUp(Qt::Key_X, Qt::NoModifier);
        expectDrawn(SpriteSet::ChiPic, 2 + 12, 2 + chi, m.ChiX, m.ChiY, before);
        before = g.FG.image().copy();
        key(g, Qt::Key_Z);
        clock.advance(80);
        g.FG_KeyUp(Qt::Key_Z, Qt::NoModifier);
        expectDrawn(SpriteSet::Ls1Pic, 12 + 2, 2 + laser, m.Ls1X, m.Ls1Y, before);
        expectDrawn(SpriteSet::Ls2Pic, 12 + 2, 2 + laser, m.Ls2X, m.Ls2Y, before);
        before = g.FG.image().copy();
        key(g, Qt::Key_V);
        clock.advance(80);
        key(g, Qt::Key_V);
        expectDrawn(SpriteSet::LightPic, 12, light, m.LightX, m.LightY, before);
        EXPECT_EQ(g.f.FxFrame, light + 4);
    }
    // Released, the drill and the laser draw nothing on their next tick.
    const QImage before = g.FG.image().copy();
    m.ChiOn = Off;
    g.ChiTimer->setEnabled(true);
    clock.advance(80);
    g.ChiTimer->setEnabled(false);
    m.Ls2On = Off;
    g.LsTimer->setEnabled(true);
    clock.advance(80);
    EXPECT_EQ(g.FG.image(), before);
}

TEST_F(Powers, InvisibilityCostsFifteenAndPausedTimeDoesNotCount)
{
    GameWindow& g = start(floorBoard(), 4); // practice: PP ceiling 40
    g.f.PP = 14;
    key(g, Qt::Key_A);
    EXPECT_EQ(m.SprHide, Off);
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("感到自身能量不足\r\r隱形不能"));
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP值不足"));
    EXPECT_FALSE(g.vm.visible("Label3"));
    g.f.PP = 40;
    key(g, Qt::Key_A);
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("Mibbet使用自身能量\r\r隱形15秒"));
    EXPECT_EQ(g.vm.text("Frame21"), QStringLiteral("PP值：25 / 40"));
    key(g, Qt::Key_A);
    EXPECT_EQ(g.f.PP, 10);
    EXPECT_EQ(g.f.HideSec, 30);
    EXPECT_TRUE(g.vm.visible("Label3"));
    EXPECT_TRUE(g.vm.visible("Label4"));
    EXPECT_EQ(g.vm.text("Label4"), QStringLiteral("30"));
    EXPECT_EQ(host.sound.count(QStringLiteral("effect /wav/in.wav")), 2);
    clock.advance(1000);
    EXPECT_EQ(g.f.HideSec, 29);
    g.setGameClock(false); // paused for a minute
    clock.advance(60000);
    EXPECT_EQ(g.f.HideSec, 29);
    g.setGameClock(true);
    clock.advance(28000);
    EXPECT_EQ(g.vm.text("Label4"), QStringLiteral("1"));
    EXPECT_EQ(m.SprHide, On);
    clock.advance(1000);
    EXPECT_EQ(m.SprHide, Off);
    EXPECT_FALSE(g.vm.visible("Label3"));
    EXPECT_FALSE(g.vm.visible("Label4"));
    EXPECT_FALSE(g.SprChkTimer->enabled());
    // With exactly 15 it works and leaves 0; the countdown starts again.
    g.f.PP = 15;
    key(g, Qt::Key_A);
    EXPECT_EQ(g.f.PP, 0);
    EXPECT_EQ(m.SprHide, On);
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP-15"));
    clock.advance(15000);
    EXPECT_EQ(m.SprHide, Off);
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
    // Standing level with an end, or above it, is not standing on it.
    for (auto [c, r] : {std::pair{3, 2}, {2, 3}, {21, 15}, {20, 14}}) {
        place(g, c, r);
        key(g, Qt::Key_C);
        EXPECT_EQ(m.SprX, c * 300);
        EXPECT_EQ(m.SprY, r * 300);
    }
    // Two 80s: only the last in column order is an end.
    m.MapTile(10, 1) = 80;
    place(g, 2, 2);
    key(g, Qt::Key_C);
    EXPECT_EQ(m.SprX, 600);
    place(g, 10, 1);
    key(g, Qt::Key_C);
    EXPECT_EQ(m.SprX, 6000);
    // Ends in the first column and the first row are found too; a missing
    // end counts as cell (0, 0).
    struct Ends {
        int ac, ar, bc, br;
    };
    for (const Ends& e : {Ends{0, 7, 9, 0}, Ends{-1, -1, 5, 5}, Ends{5, 5, -1, -1}}) {
        m.MapTile = floorBoard();
        if (e.ac >= 0)
            m.MapTile(e.ac, e.ar) = 80;
        if (e.bc >= 0)
            m.MapTile(e.bc, e.br) = 81;
        const int from = e.ac >= 0 ? 0 : 1; // stand on an end that exists
        place(g, from ? e.bc : e.ac, from ? e.br : e.ar);
        key(g, Qt::Key_C);
        EXPECT_EQ(m.SprX, from ? std::max(e.ac, 0) * 300 : std::max(e.bc, 0) * 300);
        EXPECT_EQ(m.SprY, from ? std::max(e.ar, 0) * 300 : std::max(e.br, 0) * 300);
    }
}

TEST_F(Powers, LightTogglesAndBlinksAboveThePlayer)
{
    GameWindow& g = start(floorBoard());
    place(g, 5, 5);
    m.SprX = 1200; // placed without the tools following: V puts the light right
    key(g, Qt::Key_V);
    EXPECT_EQ(m.LightOn, On);
    EXPECT_TRUE(g.LightTimer->enabled());
    EXPECT_EQ(m.LightX, 1200);
    EXPECT_EQ(m.LightY, 1200);
    place(g, 5, 5);
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
