#include "GameFixture.h"

namespace {

std::pair<int, int> both(int a, int b) { return {a, b}; }

class MouseAndTools : public GameFixture {
protected:
    // Normal mode on an open floor, the character resting at (x, y) cell
    // facing `dir`.
    GameWindow& startAt(int col, int row, std::int16_t dir, const Board& b = floorBoard())
    {
        GameWindow& g = startCalm(2, b);
        m.SprX = static_cast<std::int16_t>(col * 300);
        m.SprY = static_cast<std::int16_t>(row * 300);
        m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = dir;
        g.SetFxPos();
        return g;
    }
    // A press and release of the left button on the middle of a cell.
    static void click(GameWindow& g, int col, int row)
    {
        g.FG_MouseDown(GameWindow::LeftButton, Qt::NoModifier, col * 300 + 150, row * 300 + 150);
        g.FG_MouseUp(GameWindow::LeftButton, Qt::NoModifier, col * 300 + 150, row * 300 + 150);
    }
    // Lets the steering run until it stops (or ten seconds pass) and the last move ends.
    void steer(GameWindow& g)
    {
        ASSERT_TRUE(advanceUntil([&] { return !g.MouseTimer->enabled() && m.SprMoving == Off; }));
    }
    std::pair<int, int> cell() const { return {m.SprX / 300, m.SprY / 300}; }
};

// Pointer positions snap to the origin of the cell under them; left of and
// above the board the origins go negative.
TEST_F(MouseAndTools, SnappingToCells)
{
    const std::pair<double, int> cases[] = {{0, 0},       {299, 0},       {300, 300},   {4530, 4500},
                                            {7799, 7500}, {-10, 0},       {-299, 0},    {-300, -300},
                                            {-310, -300}, {-899.6, -900}, {4499.5, 4500}, {4498.5, 4200}, {1e9, 32700}};
    for (const auto& [v, want] : cases)
        EXPECT_EQ(GameWindow::snapToCell(v), want) << v;
}

// Left clicks in line walk the character cell by cell to the target; a
// target behind or beside it costs a click for the turn; a wall stops it; a
// diagonal target moves nothing. The pointer shows the way before the click.
TEST_F(MouseAndTools, SteeringToATarget)
{
    Board b = floorBoard();
    b(10, 4) = 1; // a wall two cells above (10, 7)
    const struct {
        const char* what;
        int col, row;
        std::int16_t dir;
        int tcol, trow;
        const char* pointer;
        std::pair<int, int> afterFirst, afterSecond;
    } cases[] = {
        {"three up, facing up", 5, 10, 0, 5, 7, "MoiUp", {5, 7}, {5, 7}},
        {"three up, facing left", 5, 10, 3, 5, 7, "MoiUp", {5, 10}, {5, 7}},
        {"right", 5, 10, 1, 9, 10, "MoiRight", {9, 10}, {9, 10}},
        {"down, facing up", 5, 10, 0, 5, 12, "MoiDown", {5, 10}, {5, 12}},
        {"left to the edge", 3, 10, 3, 0, 10, "MoiLeft", {0, 10}, {0, 10}},
        {"beyond a wall", 10, 7, 0, 10, 1, "MoiUp", {10, 5}, {10, 5}},
        {"diagonal", 5, 10, 0, 8, 8, "MoiC", {5, 10}, {5, 10}},
        {"its own cell", 5, 10, 0, 5, 10, "MoiC", {5, 10}, {5, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GameWindow& g = startAt(c.col, c.row, c.dir, b);
        g.FG_MouseMove(0, Qt::NoModifier, c.tcol * 300 + 100, c.trow * 300 + 200);
        EXPECT_EQ(g.vm.image("FG"), QString::fromLatin1(c.pointer));
        EXPECT_EQ(both(g.f.MouseX, g.f.MouseY), std::make_pair(c.tcol * 300, c.trow * 300));
        click(g, c.tcol, c.trow);
        clock.advance(3000);
        if (g.MouseTimer->enabled()) // a diagonal target keeps the steering waiting
            EXPECT_EQ(cell(), std::make_pair(c.col, c.row));
        else
            steer(g);
        EXPECT_EQ(cell(), c.afterFirst);
        g.MouseTimer->setEnabled(false);
        click(g, c.tcol, c.trow);
        clock.advance(3000);
        EXPECT_EQ(cell(), c.afterSecond);
        program.backToModeWindow();
    }
}

// A target in line behind or beside the character turns it, with the
// picture of its new direction.
TEST_F(MouseAndTools, TurnsTakeTheirPictures)
{
    const struct {
        int tcol, trow;
        std::int16_t dir, frame;
    } turns[] = {{5, 7, 0, 1}, {8, 10, 1, 2}, {5, 13, 2, 3}, {2, 10, 3, 0}};
    for (const auto& t : turns) {
        GameWindow& g = startAt(5, 10, static_cast<std::int16_t>((t.dir + 2) % 4));
        click(g, t.tcol, t.trow);
        clock.advance(500);
        EXPECT_EQ(std::make_pair(m.SprDir, g.f.SprFrame), std::make_pair(t.dir, t.frame)) << t.dir;
        EXPECT_EQ(cell(), std::make_pair(5, 10));
        program.backToModeWindow();
    }
}

// The steering ignores the pause; a busy death message makes every click a
// turn; the target only changes while the character rests; a target off the
// board in the character's row leaves the pointer alone; the steering period
// follows the level.
TEST_F(MouseAndTools, PauseBusyMovesAndPeriod)
{
    GameWindow& g = startAt(5, 10, 0);
    g.PauseGame();
    click(g, 5, 8);
    steer(g);
    EXPECT_EQ(cell(), std::make_pair(5, 8));
    g.PauseGame();

    g.f.MsgBusy = On;
    click(g, 8, 8);
    steer(g);
    EXPECT_EQ(cell(), std::make_pair(5, 8));
    EXPECT_EQ(m.SprDir, 1) << "turned right, not walked";
    g.f.MsgBusy = Off;

    g.FG_MouseMove(0, Qt::NoModifier, 5 * 300, 2 * 300); // up: MoiUp
    g.FG_MouseMove(0, Qt::NoModifier, -500, 8 * 300 + 10); // left of the board in its row
    EXPECT_EQ(g.vm.image("FG"), QStringLiteral("MoiUp"));
    EXPECT_EQ(g.f.MouseX, -300);
    g.FG_MouseMove(0, Qt::NoModifier, 5 * 300, 30 * 300); // below the board in its column
    EXPECT_EQ(g.vm.image("FG"), QStringLiteral("MoiUp"));

    // Dragging with the left button starts the steering; moves during a step keep the target.
    g.FG_MouseMove(GameWindow::LeftButton, Qt::NoModifier, 9 * 300, 8 * 300);
    EXPECT_TRUE(g.MouseTimer->enabled());
    ASSERT_TRUE(advanceUntil([&] { return m.SprMoving != Off; }));
    g.FG_MouseMove(0, Qt::NoModifier, 0, 0);
    EXPECT_EQ(both(g.f.MouseX, g.f.MouseY), std::make_pair(9 * 300, 8 * 300));
    steer(g);
    EXPECT_EQ(cell(), std::make_pair(9, 8));
    g.FG_MouseMove(GameWindow::LeftButton | GameWindow::RightButton, Qt::NoModifier, 12 * 300, 8 * 300);
    EXPECT_FALSE(g.MouseTimer->enabled()) << "only the left button alone steers";

    for (const std::int16_t level : {1, 7, 16}) {
        m.Level = level;
        clock.advance(50);
        EXPECT_EQ(g.MouseTimer->interval(), 126 - 2 * level);
    }
}

// A steering tick during a move the keys started, with the target behind,
// stops the steering but leaves the move alone: it ends on the next cell.
TEST_F(MouseAndTools, SteeringNeverTurnsAMoveHalfWay)
{
    GameWindow& g = startAt(5, 10, 0);
    click(g, 5, 12); // behind: the first tick turns the character down
    steer(g);
    ASSERT_EQ(m.SprDir, 2);
    click(g, 5, 12); // the steering waits for its tick...
    g.FG_KeyDown(Qt::Key_Up, Qt::NoModifier); // ...while the keys turn it up, then walk
    g.FG_KeyDown(Qt::Key_Up, Qt::NoModifier);
    ASSERT_TRUE(advanceUntil([&] { return m.SprMoving != Off; }));
    steer(g);
    EXPECT_EQ(both(m.SprX, m.SprY), std::make_pair(5 * 300, 9 * 300));
    EXPECT_EQ(m.SprDir, 0);
}

// The middle button drills and the right button fires while held, paused
// or not, as X and Z do.
TEST_F(MouseAndTools, MiddleDrillsRightFires)
{
    GameWindow& g = startAt(5, 10, 0);
    g.PauseGame();
    for (const bool paused : {true, false}) {
        SCOPED_TRACE(paused);
        g.FG_MouseDown(GameWindow::MiddleButton, Qt::NoModifier, 0, 0);
        EXPECT_TRUE(m.ChiOn == On && m.ChiKey == On && g.ChiTimer->enabled());
        g.FG_MouseDown(GameWindow::RightButton, Qt::NoModifier, 0, 0);
        EXPECT_TRUE(m.Ls1On == On && m.Ls2On == On && m.LsKey == On && g.LsTimer->enabled());
        EXPECT_FALSE(g.MouseTimer->enabled());
        g.FG_MouseUp(GameWindow::MiddleButton, Qt::NoModifier, 0, 0);
        EXPECT_TRUE(m.ChiOn == Off && m.ChiKey == Off && !g.ChiTimer->enabled());
        EXPECT_TRUE(g.LsTimer->enabled());
        g.FG_MouseUp(GameWindow::RightButton, Qt::NoModifier, 0, 0);
        EXPECT_TRUE(m.Ls1On == Off && m.Ls2On == Off && m.LsKey == Off && !g.LsTimer->enabled());
        g.PauseGame();
    }
}

// Every test tool, its effect and what the message panel says; the chords
// switch them all off and on, paused or not.
TEST_F(MouseAndTools, TestTools)
{
    GameWindow& g = startAt(5, 10, 0);
    const QString notice = QStringLiteral("使用測試快速鍵\r\r");
    const int stagePeriod = m.ghostMovePeriod();
    const struct {
        const char* what;
        std::function<void()> before;
        void (GameWindow::*tool)();
        const char* result; // nullptr: the panel is left alone
        std::function<void()> check;
    } steps[] = {
        {"F2 fast", {}, &GameWindow::Tool0_Click, "鬼的移動加快至五百分之一秒",
         [&] { EXPECT_EQ(g.MvGhoTimer->interval(), 2); }},
        {"F2 back", {}, &GameWindow::Tool0_Click, "鬼的移動變正常", [&] { clock.advance(50); }},
        {"F2 from 3 ms", [&] { g.MvGhoTimer->setInterval(3); }, &GameWindow::Tool0_Click, "鬼的移動加快至五百分之一秒",
         [&] { EXPECT_EQ(g.MvGhoTimer->interval(), 2); }},
        {"F2 normal", {}, &GameWindow::Tool0_Click, "鬼的移動變正常",
         [&] {
             clock.advance(50);
             EXPECT_EQ(g.MvGhoTimer->interval(), stagePeriod);
         }},
        {"F3 off", {}, &GameWindow::Tool1_Click, "開啟or關閉鬼的移動", [&] { EXPECT_FALSE(g.MvGhoTimer->enabled()); }},
        {"F3 on", {}, &GameWindow::Tool1_Click, "開啟or關閉鬼的移動", [&] { EXPECT_TRUE(g.MvGhoTimer->enabled()); }},
        {"F4 up", [&] { m.Level = 3; }, &GameWindow::Tool2_Click, "等級最大",
         [&] {
             clock.advance(50);
             EXPECT_EQ(both(m.Level, g.f.PPMax), std::make_pair(16, 40));
         }},
        {"F4 down", [&] { g.f.Score = 900; }, &GameWindow::Tool2_Click, "",
         [&] {
             EXPECT_EQ((std::vector<int>{m.Level, g.f.Score, g.f.PP}), (std::vector<int>{1, 0, 10}));
             EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("使用測試快速鍵"));
             EXPECT_EQ(g.vm.text("Frame21"), QStringLiteral("PP值：10 / 10"));
         }},
        {"F5 right after the level dropped", [&] { g.f.PP = 5; }, &GameWindow::Tool3_Click, "PP值+10",
         [&] { EXPECT_EQ(g.f.PP, 10) << "the ceiling of level 1"; }},
        {"F5", [&] { g.f.PP = 5; m.Level = 16; clock.advance(50); }, &GameWindow::Tool3_Click, "PP值+10",
         [&] { EXPECT_EQ(g.f.PP, 15); }},
        {"F5 capped", [&] { g.f.PP = 35; }, &GameWindow::Tool3_Click, "PP值+10",
         [&] {
             EXPECT_EQ(g.f.PP, 40);
             EXPECT_EQ(g.vm.text("Frame21"), QStringLiteral("PP值：40 / 40"));
         }},
        {"F6 wall to river", [&] { m.MapTile(5, 9) = 1; }, &GameWindow::Tool4_Click, "角色前方通道變河流",
         [&] { EXPECT_EQ(m.MapTile(5, 9), 20); }},
        {"F6 river to floor", [&] { m.MapTile(5, 9) = 28; }, &GameWindow::Tool4_Click, "角色前方河流變通道",
         [&] { EXPECT_EQ(m.MapTile(5, 9), 15); }},
        {"F8 to 5 s", {}, &GameWindow::Tool6_Click, "限制時間5秒化", [&] { EXPECT_EQ(g.f.TimeLeft, 5); }},
        {"F8 to 30 min", {}, &GameWindow::Tool6_Click, "限制時間30分鐘化", [&] { EXPECT_EQ(g.f.TimeLeft, 1800); }},
        {"F9", [&] { g.vm.setText(QStringLiteral("Label1"), QStringLiteral("舊")); }, &GameWindow::Tool7_Click, nullptr,
         [&] {
             EXPECT_EQ(m.Lives, 100);
             EXPECT_EQ(g.vm.text("Label6"), QStringLiteral("99"));
             EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("舊"));
         }},
        {"F11 while invisible from A", [&] {
             g.f.PP = 20;
             g.UseInvisibility();
             ASSERT_EQ(m.SprHide, On);
         }, &GameWindow::Tool8_Click, "隱形關閉",
         [&] {
             EXPECT_EQ(m.SprHide, Off);
             EXPECT_EQ(g.f.HideSec, 0);
             EXPECT_FALSE(g.vm.visible("Label3") || g.vm.visible("Label4"));
             EXPECT_EQ(g.f.PP, 5) << "the A key paid, the tool does not refund";
         }},
        {"F11 on", [&] { g.f.HideSec = 3; host.sound.clear(); }, &GameWindow::Tool8_Click, "隱形打開",
         [&] {
             EXPECT_EQ(m.SprHide, On);
             EXPECT_EQ(g.f.HideSec, 1002);
             EXPECT_EQ(g.vm.text("Label4"), QStringLiteral("1002"));
             EXPECT_TRUE(g.vm.visible("Label3") && g.vm.visible("Label4") && g.SprChkTimer->enabled());
             EXPECT_EQ(host.sound, QStringList{"effect /wav/in.wav"});
         }},
        {"F11 off", [&] { host.sound.clear(); }, &GameWindow::Tool8_Click, "隱形關閉",
         [&] {
             EXPECT_EQ(m.SprHide, Off);
             EXPECT_EQ(g.f.HideSec, 0);
             EXPECT_EQ(g.vm.text("Label4"), QStringLiteral("0"));
             EXPECT_FALSE(g.vm.visible("Label3") || g.vm.visible("Label4") || g.SprChkTimer->enabled());
             EXPECT_TRUE(host.sound.isEmpty());
         }},
        {"F12", [&] { g.f.Score = 1; }, &GameWindow::Tool9_Click, "分數+1000", [&] { EXPECT_EQ(g.f.Score, 1001); }},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        if (s.before)
            s.before();
        (g.*s.tool)();
        if (s.result && *s.result)
            EXPECT_EQ(g.vm.text("Label1"), notice + QString::fromUtf8(s.result));
        s.check();
    }

    // Off by Ctrl+Alt+N, paused: nothing happens; Ctrl+Alt+M brings them back.
    g.PauseGame();
    g.FG_KeyDown(GameWindow::ToolsOffKey, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_TRUE(g.vm.enabled("Tool")) << "not with Shift";
    g.FG_KeyDown(GameWindow::ToolsOffKey, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(g.vm.enabled("Tool"));
    g.PauseGame();
    g.vm.setText(QStringLiteral("Label1"), QString());
    const std::int32_t score = g.f.Score;
    const std::int16_t lives = m.Lives, timeLeft = g.f.TimeLeft, level = m.Level;
    const Board board = m.MapTile;
    for (const auto& s : steps)
        (g.*s.tool)();
    EXPECT_EQ((std::vector<int>{g.f.Score, m.Lives, g.f.TimeLeft, m.Level, g.MvGhoTimer->interval()}),
              (std::vector<int>{score, lives, timeLeft, level, stagePeriod}));
    EXPECT_EQ(m.MapTile, board);
    EXPECT_TRUE(g.vm.text("Label1").isEmpty());
    g.PauseGame();
    g.FG_KeyDown(GameWindow::ToolsOnKey, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(g.vm.enabled("Tool"));
    g.Tool9_Click();
    EXPECT_EQ(g.f.Score, score + 1000);
}

// F6 turns the wall in front into river, then into floor the character walks through.
TEST_F(MouseAndTools, RiverToolOpensAWay)
{
    Board b = floorBoard();
    b(5, 9) = 1;
    GameWindow& g = startAt(5, 10, 0, b);
    g.FG_KeyDown(Qt::Key_Up, Qt::NoModifier);
    clock.advance(500);
    EXPECT_EQ(cell(), std::make_pair(5, 10));
    g.Tool4_Click();
    g.Tool4_Click();
    g.FG_KeyDown(Qt::Key_Up, Qt::NoModifier);
    clock.advance(500);
    EXPECT_EQ(cell(), std::make_pair(5, 9));
    m.SprX = 0;
    m.SprDir = 3;
    const Board before = m.MapTile;
    g.Tool4_Click(); // off the board: nothing
    EXPECT_EQ(m.MapTile, before);
}

// F7 on a full board: everything eaten at once for its worth, the stage's
// ghosts gone, one small ball beside the start; eating it ends the stage.
TEST_F(MouseAndTools, ClearingTheBoard)
{
    Board b;
    const TileCode codes[] = {0, 6, 8, 9, 10, 11, 12, 13, 14, 1, 15, 20, 40};
    for (int i = 0; i < BoardCells; ++i)
        b.cells[i] = codes[i % 13];
    int worth = 0;
    const int values[] = {6, 10, 25, 30, 50, 20, 50, 50, 1, 0, 0, 0, 0};
    for (int i = 0; i < BoardCells; ++i)
        worth += values[i % 13];
    writeMap(1, b);
    writeMap(2, floorBoard());
    GameWindow& g = startGame(2);
    const int last = m.lastGhostSlot();
    ASSERT_TRUE(m.GhoTab[last].Alive);
    m.GhoTab[last + 1].Alive = true;
    g.f.Score = 100;
    g.Tool5_Click();
    EXPECT_EQ(g.f.Score, 100 + worth);
    for (int i = 0; i <= last; ++i)
        EXPECT_FALSE(m.GhoTab[i].Alive) << i;
    EXPECT_TRUE(m.GhoTab[last + 1].Alive) << "slots beyond the stage's stay";
    Board want;
    want.cells.fill(15);
    want(2, 18) = 0;
    EXPECT_EQ(m.MapTile, want);
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("使用測試快速鍵\r\r清空所有物件"));
    m.SprX = 300;
    m.SprY = 5400;
    m.SprDir = 1;
    host.boxes.clear();
    g.FG_KeyDown(Qt::Key_Right, Qt::NoModifier);
    ASSERT_TRUE(advanceUntil([&] { return m.StageNo == 2; }));
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("跳關"));
}

} // namespace
