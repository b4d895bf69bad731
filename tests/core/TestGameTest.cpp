#include "GameFixture.h"
#include "SafeFile.h"

namespace {

// The game started by the level editor with --play-map FILE.
class TestGame : public GameFixture {
protected:
    const QString file = dir.path() + QStringLiteral("/tryout");
    GameWindow& startOn(const Board& b)
    {
        EXPECT_TRUE(stagemap::write(file.toStdString(), b) && program.startTestGame(file));
        program.game()->Form_Activate();
        calmGhosts();
        return *program.game();
    }
    // The last box, then the program ends without the ending.
    void expectEndAfter(const QString& box, GameWindow& g)
    {
        EXPECT_EQ(host.boxes.back().text, box);
        EXPECT_TRUE(g.closed() && host.quit);
        EXPECT_FALSE(g.vm.enabled("EndFm") || g.EndTimer->enabled());
    }
};

// At once, on the map, by the normal mode's numbers and without saving;
// restarted, on the map again; cleared, the test game ends.
TEST_F(TestGame, PlaysTheMapByTheNormalModesNumbers)
{
    Board b = floorBoard();
    b(7, 7) = 9;
    GameWindow& g = startOn(b);
    EXPECT_FALSE(host.log.contains("ShowModeWindow"));
    EXPECT_EQ(std::vector<int>({m.Lives, m.Level, m.GhoAddNum, m.GhoBaseNum, m.LsCost, m.GhoMvBase, m.GhoMvStep, m.StageNo}),
              std::vector<int>({11, 5, 2, 7, 5, 140, 4, 1}));
    EXPECT_FALSE(g.vm.enabled("saveSP") || g.vm.enabled("Toolbar1.save"));
    EXPECT_EQ(g.vm.text("Label13"), QStringLiteral("試玩地圖"));
    clock.advance(100); // frames keep the caption
    EXPECT_TRUE(g.vm.text("Caption").endsWith(QStringLiteral("    [ 試玩 ]")));
    m.MapTile(7, 7) = 15;
    host.answers = {true};
    g.RestartGame();
    EXPECT_FALSE(host.modeWindowOpen);
    GameWindow& again = *program.game();
    again.Form_Activate();
    EXPECT_EQ(m.MapTile, b);
    calmGhosts();
    m.MapTile(24, 1) = 15; // the last ball
    clock.advance(50);
    EXPECT_EQ(host.boxes.back().title, QStringLiteral("挑戰成功"));
    expectEndAfter(QStringLiteral("試玩過關！"), again);
}

TEST_F(TestGame, LosingTheLastLifeEndsIt)
{
    GameWindow& g = startOn(floorBoard());
    m.Lives = 2;
    g.f.TimeLeft = 0; // a time-out costs the last two
    clock.advance(1000);
    expectEndAfter(QStringLiteral("遊戲結束"), g);
}

TEST_F(TestGame, AMissingOrDamagedMapOpensNoWindow)
{
    QString why;
    for (const bool exists : {false, true}) {
        ASSERT_TRUE(!exists || safefile::write(file, "1\r\n2\r\n", &why));
        EXPECT_FALSE(program.startTestGame(file));
        EXPECT_EQ(host.boxes.back().title, QStringLiteral("地圖檔錯誤"));
        EXPECT_TRUE(host.boxes.back().text.startsWith(QStringLiteral("無法載入試玩的地圖檔：")));
        EXPECT_FALSE(host.gameOpen || program.game());
    }
}

} // namespace
