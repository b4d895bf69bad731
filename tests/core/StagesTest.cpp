#include "GameFixture.h"

#include <QFile>

#include <array>
#include <functional>

namespace {

class Stages : public GameFixture {
protected:
    GameWindow& start(int row)
    {
        for (int stage = 0; stage <= 10; ++stage)
            writeMap(stage, floorBoard());
        return startCalm(row);
    }
    // After a time-out or a stage change: on the start cell facing left, the
    // tools in front of it and the light above.
    void expectOnTheStartCellFacingLeft(const GameWindow& g)
    {
        expectPlayerAndTools(300, 5400, 3);
        EXPECT_EQ(m.SprMoving, Off);
        EXPECT_EQ(m.SprStep, 0); // the next move is a whole cell
        EXPECT_EQ(g.f.SprFrame, 0);
    }
};

TEST_F(Stages, ClockCountsDownAndTimeOutCostsTwoLives)
{
    GameWindow& g = start(2);
    clock.advance(999);
    EXPECT_FALSE(g.vm.visible("TimPic"));
    clock.advance(1);
    EXPECT_EQ(g.f.TimeLeft, 479);
    EXPECT_TRUE(g.vm.visible("TimPic"));
    EXPECT_EQ(g.vm.text("Frame22"), QStringLiteral("時間：7分59秒"));
    EXPECT_EQ(g.vm["TimPic"].width, 3 * 479);
    g.f.TimeLeft = 421;
    clock.advance(1000);
    EXPECT_EQ(g.vm.text("Frame22"), QStringLiteral("時間：7分0秒"));
    // Stage 3 with 5 lives, clock at 0, the player walking right with drill
    // and laser in hand.
    m.StageNo = 3;
    m.Lives = 5;
    g.f.TimeLeft = 0;
    m.SprX = 3000;
    m.SprY = 3000;
    g.FG_KeyDown(Qt::Key_Right, Qt::NoModifier);
    g.FG_KeyDown(Qt::Key_Z, Qt::NoModifier);
    g.FG_KeyDown(Qt::Key_X, Qt::NoModifier);
    host.boxMs = 500;
    std::int16_t xUnderBox = 0;
    host.whileBoxUp = [&] {
        EXPECT_EQ(g.f.MsgBusy, On);
        EXPECT_FALSE(g.SprMovTimer->enabled()); // the walk stops under the box
        xUnderBox = m.SprX;
        clock.advance(100);
        EXPECT_EQ(m.SprX, xUnderBox);
    };
    ASSERT_TRUE(advanceUntil([&] {
        if (!host.boxes.empty())
            return true;
        if (m.SprMoving == Off) // keep walking
            g.FG_KeyDown(Qt::Key_Right, Qt::NoModifier);
        return false;
    }));
    EXPECT_NE(xUnderBox, 3000);
    EXPECT_EQ(g.f.MsgBusy, Off);
    EXPECT_EQ(m.SprMoving, Off);
    EXPECT_EQ(m.SprStep, 0);
    EXPECT_EQ(m.Ls1On, Off);
    EXPECT_EQ(m.ChiOn, Off);
    EXPECT_FALSE(g.LsTimer->enabled());
    EXPECT_FALSE(g.ChiTimer->enabled());
    expectOnTheStartCellFacingLeft(g);
    EXPECT_TRUE(g.vm.visible("Label3"));
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("無敵5秒"));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("你因疲憊到無法行走進而被鬼吞殺"));
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("闖關時間過久"));
    EXPECT_EQ(m.Lives, 3);
    EXPECT_EQ(g.vm.text("Label6"), QStringLiteral("2"));
    EXPECT_EQ(g.f.HideSec, 5);
    EXPECT_EQ(g.f.TimeLeft, 400);
    ASSERT_TRUE(advanceUntil([&] { return g.f.TimeLeft != 400; }));
    EXPECT_EQ(g.vm.text("Frame22"), QStringLiteral("時間：6分39秒"));
}

TEST_F(Stages, TimeOutWithTheLastLivesIsGameOverAndFreezesThePlayer)
{
    GameWindow& g = start(2);
    m.Lives = 3; // one life left: the game goes on
    g.f.TimeLeft = 0;
    clock.advance(1000);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(m.Lives, 1);
    EXPECT_TRUE(g.GameTimer->enabled());
    host.boxes.clear();
    g.f.TimeLeft = 0;
    // A click on the board under the time-out box, towards an apple in the
    // start row: the steering stops with the game, behind the game-over box too.
    m.MapTile(0, 18) = 14;
    host.whileBoxUp = [&] {
        if (host.boxes.size() == 1)
            g.FG_MouseDown(GameWindow::LeftButton, Qt::NoModifier, 0, 18 * 300);
        host.boxMs = host.boxes.size() == 2 ? 3000 : 0;
    };
    clock.advance(1000);
    host.whileBoxUp = nullptr;
    host.boxMs = 0;
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].text, QStringLiteral("遊戲結束"));
    EXPECT_EQ(m.SprMoving, On);
    EXPECT_FALSE(g.GameTimer->enabled());
    EXPECT_EQ(std::make_pair(m.SprX, m.SprY), std::make_pair(std::int16_t{300}, std::int16_t{5400}));
    EXPECT_EQ(m.MapTile(0, 18), 14);
    EXPECT_FALSE(g.MouseTimer->enabled());
    // The next game's player walks again.
    program.backToModeWindow();
    startGame(2);
    EXPECT_EQ(m.SprMoving, Off);
}

TEST_F(Stages, PracticeTimeOutRefillsItsOwnClock)
{
    GameWindow& g = start(4);
    g.f.TimeLeft = 0;
    clock.advance(1000);
    EXPECT_EQ(g.f.TimeLeft, 1800);
    EXPECT_EQ(m.Lives, 98);
}

TEST_F(Stages, ClearingStageNineLoadsMapTenOnceWhileTheGameGoesOn)
{
    GameWindow& g = start(0);
    m.StageNo = 9;
    Board ten = floorBoard();
    ten(5, 5) = 84;
    writeMap(10, ten);
    for (int i = 0; i <= 44; ++i)
        m.GhoTab[i].Alive = i < 20; // slots beyond stage 9's come into play
    m.GhoTab[3].Alive = false;       // killed in stage 9
    m.MapTile(24, 1) = 15;           // the last ball eaten
    m.SprX = 4500;
    m.SprY = 3000;
    m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = 1;
    g.f.SprFrame = 2;
    g.SetFxPos();
    // Caught in the middle of a step, with the step timer stopped.
    m.SprMoving = On;
    m.SprStep = 3;
    g.SprMovTimer->setEnabled(false);
    std::array<std::int16_t, 45> kinds{};
    for (int i = 0; i <= 44; ++i)
        m.GhoTab[i].Kind = kinds[i] = static_cast<std::int16_t>(i % 3);
    host.whileBoxUp = [&] {
        clock.advance(3000);
        host.log.clear();
        host.rnd.clear();
        for (int i = 0; i <= 44; ++i) // the new stage's directions
            host.rnd.push_back((i % 4 + 0.5) / 4);
    };
    clock.advance(60);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_TRUE(host.rnd.empty());
    // Reseeded, then one direction for each of the 45 slots.
    EXPECT_EQ(host.log.mid(0, 46), QStringList{QStringLiteral("Randomize")} + QStringList(45, QStringLiteral("Rnd")));
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("闖關成功，進入第 10 關"));
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("跳關"));
    EXPECT_EQ(m.StageNo, 10);
    EXPECT_EQ(m.MapTile(5, 5), 84);
    EXPECT_EQ(g.f.TimeLeft, 600);
    EXPECT_EQ(g.f.MusicLoop, 73000);
    EXPECT_EQ(g.vm.text("Label13"), QStringLiteral("雪人禁地"));
    EXPECT_EQ(g.MvGhoTimer->interval(), 46);
    for (int i = 0; i <= 44; ++i) {
        SCOPED_TRACE(i);
        const GhoRec& gh = m.GhoTab[i];
        EXPECT_TRUE(gh.Alive);
        EXPECT_EQ(gh.X, 3900);
        EXPECT_EQ(gh.Y, 900);
        EXPECT_EQ(gh.Dir, i % 4);
        EXPECT_EQ(gh.Kind, kinds[i]); // kinds stay as the window drew them
    }
    expectOnTheStartCellFacingLeft(g);
    EXPECT_FALSE(g.SprMovTimer->enabled());
    clock.advance(200);
    EXPECT_EQ(host.boxes.size(), 1u); // advanced once
}

// A missing next map sends the player back to the mode window, and the tune
// of the game just left stops with it.
TEST_F(Stages, ClearingIntoAMissingMapReturnsToTheModeWindowInSilence)
{
    start(2);
    QFile::remove(QString::fromStdString(mapPath(2)));
    clock.advance(50);
    ASSERT_TRUE(host.musicPlaying);
    m.MapTile(24, 1) = 15;
    clock.advance(50);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].title, QStringLiteral("地圖檔錯誤"));
    EXPECT_EQ(program.game(), nullptr);
    EXPECT_TRUE(host.modeWindowOpen);
    EXPECT_FALSE(host.musicOpen);
}

// Stage after stage: each clear brings the next stage's clock, tune loop
// point and name; a time-out refills the clock from the stage's own column.
TEST_F(Stages, EveryStageHasItsClockTuneAndName)
{
    struct Row {
        const char* name;
        int time, loop, refill;
    };
    const Row rows[] = {{"岩石地", 480, 59000, 480},        {"河流森林", 420, 59500, 420},
                        {"海洋森林", 300, 66000, 400},      {"冰雪新世界", 480, 165000, 480},
                        {"雪山群", 600, 115000, 600},       {"古代人墳場", 600, 80000, 600},
                        {"森林墳場", 600, 85000, 600},      {"河流森林二", 600, 326000, 600},
                        {"小山脈", 600, 51000, 600},        {"雪人禁地", 600, 73000, 600}};
    GameWindow& g = start(1);
    for (int stage = 1; stage <= 10; ++stage) {
        SCOPED_TRACE(stage);
        const Row& row = rows[stage - 1];
        EXPECT_EQ(m.StageNo, stage);
        EXPECT_EQ(g.f.TimeLeft, row.time);
        EXPECT_EQ(g.f.MusicLoop, row.loop);
        EXPECT_EQ(g.vm.text("Label13"), QString::fromUtf8(row.name));
        m.Lives = 10;
        g.f.TimeLeft = 0;
        clock.advance(1000);
        EXPECT_EQ(g.f.TimeLeft, row.refill);
        calmGhosts();
        host.boxes.clear();
        if (stage < 10) {
            m.MapTile(24, 1) = 15; // the last ball: the next frame clears the stage
            clock.advance(50);
            EXPECT_EQ(host.boxes.back().text, QStringLiteral("闖關成功，進入第 %1 關").arg(stage + 1));
        }
    }
    // Beyond the table (only a damaged saved game gets there) the clock has no refill.
    m.StageNo = 11;
    g.f.TimeLeft = 0;
    clock.advance(1000);
    EXPECT_EQ(g.f.TimeLeft, 0);
}

TEST_F(Stages, GhostsAndClockKeepTickingBehindTheStageClearMessage)
{
    GameWindow& g = start(2);
    m.GhoTab[0] = GhoRec{3000, 3000, 1, true, On, 0};
    m.MapTile(24, 1) = 15;
    const std::int16_t time = g.f.TimeLeft;
    std::int16_t ghostXBehindBox = 0, timeBehindBox = 0;
    host.whileBoxUp = [&] {
        clock.advance(2000);
        ghostXBehindBox = m.GhoTab[0].X;
        timeBehindBox = g.f.TimeLeft;
    };
    clock.advance(60);
    EXPECT_GT(ghostXBehindBox, 3000);
    EXPECT_LT(timeBehindBox, time);
    EXPECT_EQ(m.StageNo, 2);
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(Stages, ClearingTheLastStageOrThePracticeMapEndsTheGame)
{
    {
        GameWindow& g = start(1);
        m.StageNo = 10;
        // Steered along a row of apples: the walk stops with the game, behind
        // the box and after it, and the mouse starts no other.
        for (int c = 2; c < 20; ++c)
            m.MapTile(c, 18) = 14;
        m.SprDir = 1;
        g.FG_MouseDown(GameWindow::LeftButton, Qt::NoModifier, 19 * 300, 18 * 300);
        m.MapTile(24, 1) = 15;
        host.boxMs = 3000;
        clock.advance(60);
        host.boxMs = 0;
        EXPECT_EQ(host.boxes.back().text, QStringLiteral("你已經全破關了"));
        EXPECT_EQ(host.boxes.back().title, QStringLiteral("挑戰成功"));
        EXPECT_FALSE(g.Timer1->enabled());
        EXPECT_FALSE(g.GameTimer->enabled());
        EXPECT_TRUE(g.EndTimer->enabled());
        EXPECT_FALSE(host.sound.contains(QStringLiteral("StopMusic")));
        EXPECT_FALSE(g.vm.enabled("Win"));
        g.FG_MouseDown(GameWindow::LeftButton, Qt::NoModifier, 19 * 300, 18 * 300);
        clock.advance(3000);
        EXPECT_EQ(std::make_pair(m.SprX, m.SprY), std::make_pair(std::int16_t{300}, std::int16_t{5400}));
        EXPECT_EQ(g.f.Score, 0);
        EXPECT_FALSE(g.MouseTimer->enabled() || g.SprMovTimer->enabled());
        program.backToModeWindow();
    }
    {
        GameWindow& g = start(4);
        m.MapTile(24, 1) = 15;
        clock.advance(60);
        EXPECT_EQ(host.boxes.back().text, QStringLiteral("此為練習模式，您已練習完畢！"));
        EXPECT_TRUE(host.sound.contains(QStringLiteral("StopMusic")));
        EXPECT_TRUE(g.EndTimer->enabled());
    }
}

// A window closed while one of its boxes is up (the player left meanwhile):
// when the box returns, the handler does nothing more to it.
TEST_F(Stages, AWindowClosedUnderItsBoxIsLeftAlone)
{
    struct Road {
        const char* name;
        std::function<void(GameWindow&)> go;
    };
    const Road roads[] = {
        {"death",
         [this](GameWindow& g) {
             m.GhoTab[0] = GhoRec{m.SprX, static_cast<std::int16_t>(m.SprY - 150), 2, true, On, 0};
             m.GhoTab[1] = m.GhoTab[0];
             g.MoveGhosts();
         }},
        {"time-out",
         [this](GameWindow& g) {
             g.f.TimeLeft = 0;
             clock.advance(1000);
         }},
        {"stage clear",
         [this](GameWindow&) {
             m.MapTile(24, 1) = 15;
             clock.advance(50);
         }},
        {"last stage",
         [this](GameWindow&) {
             m.StageNo = 10;
             m.MapTile(24, 1) = 15;
             clock.advance(50);
         }},
        {"game over", [](GameWindow& g) { g.GameOver(true); }},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        GameWindow& g = start(2);
        const std::int16_t lives = m.Lives, stage = m.StageNo;
        host.boxes.clear();
        host.whileBoxUp = [this] {
            if (program.game())
                program.backToModeWindow();
        };
        road.go(g);
        host.whileBoxUp = nullptr;
        EXPECT_EQ(host.boxes.size(), 1u);
        EXPECT_TRUE(g.closed());
        EXPECT_EQ(m.Lives, lives);
        EXPECT_EQ(m.StageNo, road.name == std::string("last stage") ? 10 : stage);
        EXPECT_EQ(m.SprMoving, Off);
        EXPECT_FALSE(g.EndTimer->enabled());
        EXPECT_FALSE(g.GameTimer->enabled());
        EXPECT_EQ(program.game(), nullptr);
    }
}

TEST_F(Stages, EndingPictureRisesThenTheTextsFollowByStage)
{
    struct Case {
        int stage;
        const char* title;
        const char* line;
        bool sound;
        bool offer;
    };
    for (const Case& c : {Case{4, "遊戲結束", "Game Over", true, true}, Case{10, "全劇終束", "Thanks You For Players！", false, true},
                          Case{0, "全劇終", "Thanks You For Players！", false, false}}) {
        SCOPED_TRACE(c.stage);
        GameWindow& g = start(c.stage == 0 ? 4 : 2);
        m.StageNo = static_cast<std::int16_t>(c.stage);
        // The table is offered the score and shows (a score of 0 beats nothing).
        const auto offered = [&] { return host.log.count(QStringLiteral("ShowHighScoreWindow")); };
        host.log.clear();
        host.sound.clear();
        g.GameOver(false);
        EXPECT_FALSE(g.vm.visible("EndFm"));
        clock.advance(203);
        EXPECT_TRUE(g.vm.visible("EndFm"));
        EXPECT_EQ(g.endImageTop(), 30);
        EXPECT_FALSE(g.vm.visible("EndLbl0"));
        clock.advance(1);
        EXPECT_EQ(g.endImageTop(), 0);
        EXPECT_EQ(g.vm["EndImg"].top, 0);
        EXPECT_EQ(g.vm["EndImg"].left, 0);
        EXPECT_FALSE(g.EndTimer->enabled());
        // The title 10 ms after the picture stops, then a line every 800 ms.
        clock.advance(9);
        EXPECT_FALSE(g.vm.visible("EndLbl0"));
        clock.advance(1);
        EXPECT_EQ(g.endImageTop(), 0);
        EXPECT_EQ(g.vm.text("EndLbl0"), QString::fromUtf8(c.title));
        EXPECT_TRUE(g.vm.visible("EndLbl0"));
        for (int line = 1; line <= 5; ++line) {
            clock.advance(799);
            EXPECT_FALSE(g.vm.visible(QStringLiteral("EndLbl%1").arg(line))) << line;
            clock.advance(1);
            EXPECT_TRUE(g.vm.visible(QStringLiteral("EndLbl%1").arg(line))) << line;
            if (line == 1) {
                EXPECT_EQ(g.vm.text("EndLbl1"), QString::fromUtf8(c.line));
                EXPECT_EQ(host.sound.count(QStringLiteral("effect /wav/over.wav")), c.sound ? 1 : 0);
            }
        }
        // A pause of one tick, then the score is offered.
        clock.advance(1599);
        EXPECT_EQ(offered(), 0);
        EXPECT_TRUE(g.EndLblTimer->enabled());
        clock.advance(1);
        EXPECT_EQ(offered(), c.offer ? 1 : 0);
        EXPECT_EQ(g.vm.enabled("Form1"), !c.offer);
        EXPECT_FALSE(g.EndLblTimer->enabled());
        EXPECT_EQ(host.sound.count(QStringLiteral("effect /wav/over.wav")), c.sound ? 1 : 0);
        // Keys do nothing while the ending shows.
        g.FG_KeyDown(Qt::Key_Up, Qt::NoModifier);
        EXPECT_EQ(m.SprDir, 3);
        program.backToModeWindow();
    }
}

} // namespace
