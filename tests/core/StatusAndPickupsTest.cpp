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
    g.f.Score = 1000;
    clock.advance(50);
    EXPECT_EQ(m.Level, 2);
    m.Level = 1;
    g.f.Score = 15000;
    int levelUps = 0;
    for (int tick = 0; tick < 15; ++tick) {
        clock.advance(50);
        levelUps += g.vm.text("Label14") == QStringLiteral("Level Up！") && m.Level == tick + 2;
    }
    EXPECT_EQ(m.Level, 16);
    EXPECT_EQ(levelUps, 15);
    g.f.Score = 99999; // 16 is the top
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
    // "功能提示" is checked exactly while the help window shows.
    EXPECT_TRUE(g.vm.checked("Cop"));
    host.helpOpen = false;
    clock.advance(50);
    EXPECT_FALSE(g.vm.checked("Cop"));
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

// The refresh sets the ghost period 20 times a second; the same value must
// not restart the countdown, so the ghosts keep their pace.
TEST_F(Status, GhostPeriodIsKeptWithoutRestartingIt)
{
    GameWindow& g = start(1); // hard: 120 ms on stage 1
    clock.advance(50);
    EXPECT_EQ(g.MvGhoTimer->interval(), 120);
    EXPECT_EQ(g.SprMovTimer->interval(), 34);
    GhoRec& gh = m.GhoTab[0];
    gh = GhoRec{3000, 3000, 1, true, On, 0};
    clock.advance(1200);
    EXPECT_EQ(gh.X, 3000 + 10 * 50);
}

// Every row of the pickup table: what is eaten, and what it gives.
TEST_F(Status, EveryPickup)
{
    struct Row {
        TileCode code;
        int score, pp, lives;
        const char *panel, *floating, *sound;
    };
    const Row rows[] = {
        {0, 6, 0, 0, nullptr, nullptr, "sm"},
        {6, 10, 1, 0, nullptr, "PP+1", "bi"},
        {7, 0, 0, 1, "得到生命之心\r\r生命+1", "生命+1", "bi"},
        {8, 25, 0, 0, "得到時鐘並使用\r\r鬼的移動力降低3倍", "鬼移動力降3倍", "bi"},
        {9, 30, 0, 0, nullptr, nullptr, "bi"},
        {10, 50, 3, 0, nullptr, "PP+3", "bi"},
        {11, 20, 0, 0, nullptr, nullptr, "bi"},
        {12, 50, 5, 0, nullptr, "PP+5", "bi"},
        {13, 50, 10, 0, nullptr, "PP+10", "bi"},
        {14, 1, 0, 0, "誤食腐爛的蘋果\r\r分數+1", nullptr, "bi"},
    };
    GameWindow& g = start(4); // practice: a PP ceiling of 40 leaves room
    clock.advance(60);
    const QString idle = QStringLiteral("-");
    for (int code = -2; code <= 125; ++code) {
        SCOPED_TRACE(code);
        const Row* row = nullptr;
        for (const Row& r : rows)
            if (r.code == code)
                row = &r;
        g.f.PP = 10;
        g.f.Score = 1000;
        m.Lives = 50;
        for (const char* label : {"Label1", "Label14", "Label6", "Frame21"})
            g.vm.setText(QString::fromLatin1(label), idle);
        host.sound.clear();
        eat(g, static_cast<TileCode>(code));
        if (!row) {
            EXPECT_EQ(m.MapTile(1, 18), code);
            EXPECT_EQ(g.f.Score, 1000);
            EXPECT_TRUE(host.sound.isEmpty());
            continue;
        }
        EXPECT_EQ(m.MapTile(1, 18), 15);
        EXPECT_EQ(g.f.Score, 1000 + row->score);
        EXPECT_EQ(g.f.PP, 10 + row->pp);
        EXPECT_EQ(g.vm.text("Frame21"), row->pp ? QStringLiteral("PP值：%1 / 40").arg(10 + row->pp) : idle);
        EXPECT_EQ(m.Lives, 50 + row->lives);
        EXPECT_EQ(g.vm.text("Label6"), row->lives ? QStringLiteral("50") : idle);
        EXPECT_EQ(g.vm.text("Label1"), row->panel ? QString::fromUtf8(row->panel) : idle);
        EXPECT_EQ(g.vm.text("Label14"), row->floating ? QString::fromUtf8(row->floating) : idle);
        EXPECT_EQ(host.sound, QStringList{QStringLiteral("effect /wav/%1.wav").arg(QLatin1String(row->sound))});
    }
}

// PP gains stop at the ceiling; the points and the message still come.
TEST_F(Status, PickupsStopAtThePPCeiling)
{
    GameWindow& g = start(0);
    clock.advance(60);
    ASSERT_EQ(g.f.PPMax, 10);
    g.f.PP = 10;
    eat(g, 6);
    EXPECT_EQ(g.f.Score, 10);
    EXPECT_EQ(g.f.PP, 10);
    EXPECT_EQ(g.vm.text("Label14"), QStringLiteral("PP+1"));
    g.f.PP = 7;
    eat(g, 13);
    EXPECT_EQ(g.f.PP, 10);
    EXPECT_EQ(g.vm.text("Frame21"), QStringLiteral("PP值：10 / 10"));
    // Taken once: the cell is floor now.
    g.CheckEat();
    EXPECT_EQ(g.f.Score, 60);
}

TEST_F(Status, TwoClocksInARow)
{
    GameWindow& g = start(0); // survival: ghost period 100, slowed 300
    m.StageNo = 5;            // 76 ms here, yet slowed to three times stage 1's
    clock.advance(60);
    ASSERT_EQ(g.MvGhoTimer->interval(), 76);
    eat(g, 8);
    EXPECT_EQ(g.MvGhoTimer->interval(), 300);
    EXPECT_EQ(g.f.GhoSlowSec, 10);
    EXPECT_EQ(g.f.Score, 25);
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("得到時鐘並使用\r\r鬼的移動力降低3倍"));
    EXPECT_TRUE(g.vm.visible("Label8") && g.vm.visible("Label9"));
    clock.advance(3000);
    EXPECT_EQ(g.f.GhoSlowSec, 7);
    EXPECT_EQ(g.vm.text("Label8"), QStringLiteral("7"));
    EXPECT_EQ(g.MvGhoTimer->interval(), 300); // the refresh leaves it alone
    g.MvGhoTimer->setInterval(299);           // a second clock must not set it again
    eat(g, 8);
    EXPECT_EQ(g.MvGhoTimer->interval(), 299);
    EXPECT_EQ(g.f.GhoSlowSec, 17);
    EXPECT_EQ(g.vm.text("Label8"), QStringLiteral("17"));
    clock.advance(16999);
    EXPECT_EQ(g.f.GhoSlow, On);
    EXPECT_EQ(g.vm.text("Label8"), QStringLiteral("1"));
    clock.advance(1); // the countdown's own tick ends it, at once
    EXPECT_EQ(g.f.GhoSlow, Off);
    EXPECT_EQ(g.MvGhoTimer->interval(), 76);
    EXPECT_FALSE(g.vm.visible("Label8"));
    EXPECT_FALSE(g.vm.visible("Label9"));
    EXPECT_FALSE(g.GhoChkTimer->enabled());
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
    // Checked once a second: the tick that finds 59 s played rewinds it.
    clock.advance(58949);
    EXPECT_FALSE(host.sound.contains(QStringLiteral("RewindMusic")));
    clock.advance(1);
    EXPECT_EQ(host.sound.count(QStringLiteral("RewindMusic")), 1);
    EXPECT_EQ(host.MusicPosition(), 0);
    clock.advance(1000);
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
