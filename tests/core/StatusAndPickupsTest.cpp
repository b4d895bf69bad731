#include "GameFixture.h"

namespace {

class Status : public GameFixture {
protected:
    GameWindow& start(int row = 2) { return startCalm(row); }
    // Puts an item under the player and lets the step timer take it.
    void eat(GameWindow& g, TileCode code)
    {
        m.MapTile(GameWindow::cellOf(m.SprX), GameWindow::cellOf(m.SprY)) = code;
        g.CheckEat();
    }
};

TEST_F(Status, LevelClimbsOneLevelPerRefresh)
{
    GameWindow& g = start(0); // survival: level 1
    g.f.Score = 999;
    clock.advance(100);
    EXPECT_EQ(m.Level, 1);
    EXPECT_EQ(g.vm.text("Label19"), QStringLiteral("-20%"));
    g.f.Score = 15000;
    int levelUps = 0;
    for (int tick = 0; tick < 15; ++tick) {
        clock.advance(50);
        levelUps += g.vm.text("Label14") == QStringLiteral("Level Up！") && m.Level == tick + 2;
    }
    EXPECT_EQ(m.Level, 16);
    EXPECT_EQ(levelUps, 15);
    clock.advance(200);
    EXPECT_EQ(m.Level, 16);
    EXPECT_EQ(g.vm.text("Label12"), QStringLiteral("16"));
    EXPECT_EQ(g.SprMovTimer->interval(), 4);
    EXPECT_EQ(g.MouseTimer->interval(), 94);
    EXPECT_EQ(g.vm.text("Label19"), QStringLiteral("100%"));
    EXPECT_EQ(g.f.PPMax, 40);
    EXPECT_EQ(g.vm.text("Frame21"), QStringLiteral("PP值：10 / 40"));
    EXPECT_EQ(g.vm["Label15"].width, 40 * 45);
    EXPECT_EQ(g.vm["PPPic"].width, 10 * 45);
}

TEST_F(Status, EasyModeStaysAtItsLevel)
{
    GameWindow& g = start(3);
    clock.advance(500);
    EXPECT_EQ(m.Level, 10);
    EXPECT_EQ(g.vm.text("Label6"), QStringLiteral("15"));
    EXPECT_EQ(g.vm.text("Label20"), QStringLiteral("1"));
    EXPECT_EQ(g.vm.text("LblScore"), QStringLiteral("0"));
    g.f.Score = 1000;
    clock.advance(50);
    EXPECT_EQ(m.Level, 10);
    EXPECT_EQ(g.vm.text("LblScore"), QStringLiteral("1000"));
}

TEST_F(Status, PracticeShowsTheMarkInsteadOfAStage)
{
    GameWindow& g = start(4);
    clock.advance(50);
    EXPECT_EQ(g.vm.text("Label20"), QStringLiteral("※"));
    EXPECT_EQ(g.MvGhoTimer->interval(), 136);
}

TEST_F(Status, MessageLabelStaysFourSecondsAndFollowsThePlayer)
{
    GameWindow& g = start();
    clock.advance(1000);
    g.ShowMessage(QStringLiteral("PP+1"));
    EXPECT_TRUE(g.vm.visible("Label14"));
    clock.advance(3999);
    EXPECT_TRUE(g.vm.visible("Label14"));
    clock.advance(1);
    EXPECT_FALSE(g.vm.visible("Label14"));
    EXPECT_EQ(g.vm.text("Label14"), QString());
    EXPECT_FALSE(g.LblTimer->enabled());
    clock.advance(50);
    EXPECT_EQ(g.vm["Label14"].left, 300 - 1042);
    EXPECT_EQ(g.vm["Label14"].top, 5400 - 160);
}

TEST_F(Status, GhostPeriodIsKeptWithoutRestartingIt)
{
    GameWindow& g = start(1); // hard: 120 ms on stage 1
    clock.advance(50);
    EXPECT_EQ(g.MvGhoTimer->interval(), 120);
    EXPECT_EQ(g.SprMovTimer->interval(), 34);
}

TEST_F(Status, PickupsScoreAndPP)
{
    GameWindow& g = start(0);
    clock.advance(60);
    ASSERT_EQ(g.f.PPMax, 10);
    // A big ball at the ceiling still scores and shows its message.
    g.f.PP = 10;
    eat(g, 6);
    EXPECT_EQ(g.f.Score, 10);
    EXPECT_EQ(g.f.PP, 10);
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP+1"));
    g.f.PP = 7;
    eat(g, 13);
    EXPECT_EQ(g.f.PP, 10);
    EXPECT_EQ(g.f.Score, 60);
    EXPECT_EQ(g.vm.text("Frame21"), QStringLiteral("PP值：10 / 10"));
    const std::int32_t before = g.f.Score;
    const QString messageBefore = g.vm.text("Label14");
    eat(g, 14);
    EXPECT_EQ(g.f.Score, before + 1);
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("誤食腐爛的蘋果\r\r分數+1"));
    EXPECT_EQ(g.vm.text("Label14"), messageBefore);
    const std::int16_t lives = m.Lives;
    eat(g, 7);
    EXPECT_EQ(m.Lives, lives + 1);
    EXPECT_EQ(g.f.Score, before + 1);
    EXPECT_EQ(g.vm.text("Label6"), QString::number(lives));
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("生命+1"));
    for (auto [code, score] : {std::pair{9, 30}, {10, 50}, {11, 20}, {12, 50}, {0, 6}}) {
        const std::int32_t s = g.f.Score;
        eat(g, static_cast<TileCode>(code));
        EXPECT_EQ(g.f.Score, s + score) << code;
    }
    // Taken once: the cell is floor now.
    const std::int32_t s = g.f.Score;
    g.CheckEat();
    EXPECT_EQ(g.f.Score, s);
    EXPECT_EQ(m.MapTile(1, 18), 15);
    EXPECT_EQ(host.sound.last(), QStringLiteral("effect /wav/sm.wav"));
    EXPECT_EQ(host.sound.count(QStringLiteral("effect /wav/bi.wav")), 8);
}

TEST_F(Status, TwoClocksInARow)
{
    GameWindow& g = start(0); // survival: ghost period 100, slowed 300
    clock.advance(60);
    eat(g, 8);
    EXPECT_EQ(g.MvGhoTimer->interval(), 300);
    EXPECT_EQ(g.f.GhoSlowSec, 10);
    EXPECT_EQ(g.f.Score, 25);
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("得到時鐘並使用\r\r鬼的移動力降低3倍"));
    EXPECT_TRUE(g.vm.visible("Label8") && g.vm.visible("Label9"));
    clock.advance(3000);
    EXPECT_EQ(g.f.GhoSlowSec, 7);
    EXPECT_EQ(g.MvGhoTimer->interval(), 300); // the refresh leaves it alone
    g.MvGhoTimer->setInterval(299);           // a second clock must not set it again
    eat(g, 8);
    EXPECT_EQ(g.MvGhoTimer->interval(), 299);
    EXPECT_EQ(g.f.GhoSlowSec, 17);
    EXPECT_EQ(g.vm.text("Label8"), QStringLiteral("17"));
    clock.advance(17000);
    EXPECT_EQ(g.f.GhoSlow, Off);
    EXPECT_FALSE(g.vm.visible("Label8"));
    EXPECT_FALSE(g.GhoChkTimer->enabled());
    clock.advance(50);
    EXPECT_EQ(g.MvGhoTimer->interval(), 100);
}

TEST_F(Status, CheckBallFindsTheLastBall)
{
    GameWindow& g = start();
    EXPECT_TRUE(g.CheckBall());
    m.MapTile(24, 1) = 6;
    EXPECT_TRUE(g.CheckBall());
    m.MapTile(24, 1) = 16;
    EXPECT_FALSE(g.CheckBall());
}

TEST_F(Status, MusicStartsRewindsAndRestartsAfterClosing)
{
    GameWindow& g = start(1); // the map load repaints the visible window: the music starts
    clock.advance(50);
    EXPECT_EQ(host.sound, QStringList{QStringLiteral("StartMusic")});
    ASSERT_EQ(g.f.MusicLoop, 59000);
    clock.advance(58900);
    EXPECT_FALSE(host.sound.contains(QStringLiteral("RewindMusic")));
    clock.advance(1100); // checked once a second: rewinds at most a second past 59 s
    EXPECT_EQ(host.sound.count(QStringLiteral("RewindMusic")), 1);
    EXPECT_LT(host.MusicPosition(), 1100);
    // Merely stopped: the frame does not restart it.
    host.StopMusic();
    clock.advance(500);
    EXPECT_EQ(host.sound.count(QStringLiteral("StartMusic")), 1);
    // Closed (a loaded game): the next frame starts it afresh.
    host.CloseMusic();
    clock.advance(50);
    EXPECT_EQ(host.sound.count(QStringLiteral("StartMusic")), 2);
}

TEST_F(Status, MusicIsNotStartedWhileTheWindowIsHidden)
{
    writeMap(1);
    program.ModeCmd_Click(2);
    host.gameOpen = false;
    clock.advance(200);
    EXPECT_FALSE(host.sound.contains(QStringLiteral("StartMusic")));
}

} // namespace
