#include "GameFixture.h"
#include "Modes.h"

#include <QFile>

namespace {

using GameStart = GameFixture;

TEST_F(GameStart, ModeWindowShowsCaptionAndVersion)
{
    program.start();
    EXPECT_TRUE(host.modeWindowOpen);
    EXPECT_EQ(program.modeView().text("Caption"), QStringLiteral("Quorral ---  Ver 4.0  下載版"));
    EXPECT_EQ(program.modeView().text("VerLbl"), QStringLiteral("Ver 4.0"));
}

struct ModeExpect {
    int row;
    const char* name;
    int lives, level, addNum, baseNum, lsCost, mvBase, mvStep, stage;
    int ghostsOnFirstStage, firstGhostPeriod;
};

TEST_F(GameStart, EveryModeStoresItsRow)
{
    const ModeExpect modes[] = {
        {0, "不可能任務生存顫慄模式", 4, 1, 3, 14, 8, 100, 6, 1, 18, 100},
        {1, "困難模式", 6, 1, 2, 9, 6, 120, 5, 1, 12, 120},
        {2, "正常模式", 11, 5, 2, 7, 5, 140, 4, 1, 10, 140},
        {3, "簡易模式", 16, 10, 2, 5, 4, 160, 4, 1, 8, 160},
        {4, "練習模式", 100, 16, 1, 15, 1, 130, 6, 0, 16, 136},
    };
    writeMap(0);
    writeMap(1);
    for (const ModeExpect& e : modes) {
        SCOPED_TRACE(e.name);
        GameWindow& g = startGame(e.row);
        EXPECT_EQ(m.ModeName, QString::fromUtf8(e.name));
        EXPECT_EQ(m.Lives, e.lives);
        EXPECT_EQ(m.Level, e.level);
        EXPECT_EQ(m.GhoAddNum, e.addNum);
        EXPECT_EQ(m.GhoBaseNum, e.baseNum);
        EXPECT_EQ(m.LsCost, e.lsCost);
        EXPECT_EQ(m.GhoMvBase, e.mvBase);
        EXPECT_EQ(m.GhoMvStep, e.mvStep);
        EXPECT_EQ(m.StageNo, e.stage);
        EXPECT_EQ(m.lastGhostSlot() + 1, e.ghostsOnFirstStage);
        EXPECT_EQ(m.ghostMovePeriod(), e.firstGhostPeriod);
        EXPECT_EQ(g.vm.text("Caption"),
                  QStringLiteral("   Quorral ---  Ver 4.0    [ ") + QString::fromUtf8(e.name) + QStringLiteral(" ]   下載版"));
        EXPECT_EQ(g.f.PP, 10);
        program.backToModeWindow();
    }
}

TEST_F(GameStart, ButtonStepsRunInOrderAndParametersFollowTheWindow)
{
    writeMap(1);
    program.start();
    host.log.clear();
    program.ModeCmd_Click(2);
    const QStringList expected{QStringLiteral("CloseModeWindow"), QStringLiteral("ShowHelpWindow"),
                               QStringLiteral("ShowRadarWindow"), QStringLiteral("Randomize")};
    EXPECT_EQ(host.log.mid(0, 4), expected);
    // 45 slots, two draws each, then the window is shown.
    EXPECT_EQ(host.log.count(QStringLiteral("Rnd")), 90);
    EXPECT_EQ(host.log.last(), QStringLiteral("ShowGameWindow"));
    // The name is stored before the window is created, the other values after.
    EXPECT_EQ(m.ModeName, QStringLiteral("正常模式"));
    EXPECT_EQ(m.Lives, 11);
}

TEST_F(GameStart, WindowLoadSetsStateAndTimers)
{
    writeMap(1);
    m.GhoTab[45].X = 1234; // slot 45 is never touched
    // Scripted draws: direction then kind for each slot.
    for (int i = 0; i < 45; ++i) {
        host.rnd.push_back((i % 4) / 4.0 + 0.01);
        host.rnd.push_back(((i + 1) % 4) / 4.0 + 0.2);
    }
    program.ModeCmd_Click(0);
    GameWindow& g = *program.game();
    // What the window shows before the first refresh and the first map.
    for (const char* label : {"LblScore", "Label6", "Label12", "Label20", "Label21", "Label22"})
        EXPECT_EQ(g.vm.text(QString::fromLatin1(label)), QStringLiteral("0")) << label;
    EXPECT_EQ(g.vm.text("Label19"), QStringLiteral("0%"));
    EXPECT_EQ(g.vm.text("Frame21"), QStringLiteral("PP值：10 / 10"));
    EXPECT_EQ(g.vm.text("Frame22"), QStringLiteral("  時間"));
    EXPECT_EQ(g.vm.text("Label3"), QStringLiteral("隱形可維持秒數"));
    EXPECT_EQ(g.vm.text("Label9"), QStringLiteral("鬼減緩限制時間"));
    EXPECT_EQ(g.vm.text("Label23"), QStringLiteral("暫停中!"));
    EXPECT_EQ(g.vm.text("Label24"), QStringLiteral("按下 Enter 鍵繼續........"));
    for (const char* hidden : {"Label3", "Label4", "Label8", "Label9", "Label14", "Label23", "Label24", "EndFm",
                               "EndLbl0", "EndLbl1", "EndLbl2", "EndLbl3", "EndLbl4", "EndLbl5"})
        EXPECT_FALSE(g.vm.visible(QString::fromLatin1(hidden))) << hidden;
    EXPECT_FALSE(g.vm.enabled("EndFm"));
    EXPECT_EQ(g.vm.text("EndLbl0"), QStringLiteral("全劇終"));
    EXPECT_EQ(g.vm.text("EndLbl1"), QStringLiteral("Thanks You For Players！"));
    for (int i = 2; i <= 5; ++i)
        EXPECT_FALSE(g.vm.text(QStringLiteral("EndLbl%1").arg(i)).isEmpty()) << i;
    EXPECT_EQ(g.vm["EndImg"].top, 6120);
    EXPECT_EQ(g.vm["EndImg"].left, 0);
    g.Form_Activate();
    EXPECT_EQ(g.f.CellSize, 300);
    EXPECT_EQ(g.f.Score, 0);
    EXPECT_EQ(g.vm.text("LblScore"), QStringLiteral("0"));
    EXPECT_EQ(m.SprX, 300);
    EXPECT_EQ(m.SprY, 5400);
    EXPECT_EQ(m.SprDir, 3);
    EXPECT_EQ(m.ChiDir, 3);
    EXPECT_EQ(m.Ls1Dir, 3);
    EXPECT_EQ(m.Ls2Dir, 3);
    EXPECT_EQ(m.DirVec[0].dy, -1);
    EXPECT_EQ(m.DirVec[1].dx, 1);
    EXPECT_EQ(m.DirVec[2].dy, 1);
    EXPECT_EQ(m.DirVec[3].dx, -1);
    EXPECT_EQ(m.DirVec[4].dx, 0);
    EXPECT_EQ(m.DirVec[4].dy, 0);
    for (int i = 0; i < 45; ++i) {
        const GhoRec& gh = m.GhoTab[i];
        EXPECT_EQ(gh.X, 3900);
        EXPECT_EQ(gh.Y, 900);
        EXPECT_TRUE(gh.Alive);
        EXPECT_EQ(gh.Dir, i % 4);
        const int r = (i + 1) % 4;
        EXPECT_EQ(gh.Kind, r == 3 ? 0 : r) << "slot " << i;
    }
    EXPECT_EQ(m.GhoTab[45].X, 1234);
    EXPECT_FALSE(m.GhoTab[45].Alive);

    struct T {
        Timer* t;
        int period;
        bool on;
    };
    const T timers[] = {{g.Timer1.get(), 50, true},        {g.CheckNowTimer.get(), 50, true},
                        {g.MvGhoTimer.get(), 80, true},    {g.MusicTimer.get(), 1000, true},
                        {g.SprMovTimer.get(), 55, true},   {g.GhoChkTimer.get(), 1000, false},
                        {g.LblTimer.get(), 1000, false},   {g.LightTimer.get(), 80, false},
                        {g.GameTimer.get(), 1000, true},   {g.GifOneTimer.get(), 200, true},
                        {g.LsTimer.get(), 80, false},      {g.ChiTimer.get(), 80, false},
                        {g.SprChkTimer.get(), 1000, true}, {g.MouseTimer.get(), 0, false},
                        {g.EndLblTimer.get(), 10, false},  {g.EndTimer.get(), 1, false}};
    for (const T& t : timers) {
        SCOPED_TRACE(t.t->name());
        EXPECT_EQ(t.t->interval(), t.period);
        EXPECT_EQ(t.t->enabled(), t.on);
    }
    EXPECT_FALSE(g.vm.visible("EndFm"));
    EXPECT_EQ(g.vm.text("Label14"), QString());
}

TEST_F(GameStart, NormalModeStartsOnMapOne)
{
    Board b = sampleBoard();
    b(7, 7) = 9;
    writeMap(1, b);
    GameWindow& g = startGame(2);
    EXPECT_EQ(m.MapTile, b);
    EXPECT_EQ(g.f.TimeLeft, 480);
    EXPECT_EQ(g.f.MusicLoop, 59000);
    EXPECT_EQ(g.vm.text("Label13"), QStringLiteral("岩石地"));
    EXPECT_EQ(g.f.Started, On);
    EXPECT_TRUE(g.vm.enabled("saveSP"));
    EXPECT_TRUE(g.vm.enabled("Toolbar1.save"));
    EXPECT_EQ(g.vm.text("Label21"), QStringLiteral("2"));
    EXPECT_EQ(g.vm.text("Label22"), QStringLiteral("1"));
}

TEST_F(GameStart, PracticeStartsOnMapZeroWithSavingDisabled)
{
    Board b = sampleBoard();
    b(5, 5) = 55;
    writeMap(0, b);
    GameWindow& g = startGame(4);
    EXPECT_EQ(m.MapTile, b);
    EXPECT_EQ(g.f.TimeLeft, 1800);
    EXPECT_EQ(g.f.MusicLoop, 115000);
    EXPECT_EQ(g.vm.text("Label13"), QStringLiteral("方塊花園"));
    EXPECT_FALSE(g.vm.enabled("saveSP"));
    EXPECT_FALSE(g.vm.enabled("Toolbar1.save"));
    EXPECT_TRUE(g.vm.enabled("loadSP"));
    EXPECT_TRUE(g.vm.enabled("Toolbar1.load"));
    EXPECT_EQ(m.Lives, 100);
    EXPECT_EQ(m.Level, 16);
}

TEST_F(GameStart, LaterActivationsDoNothing)
{
    writeMap(1);
    GameWindow& g = startGame(1);
    clock.advance(3000);
    g.f.TimeLeft = 123;
    m.MapTile(3, 3) = 77;
    g.Form_Activate();
    EXPECT_EQ(g.f.TimeLeft, 123);
    EXPECT_EQ(m.MapTile(3, 3), 77);
}

// The game-clock timers run from the window's creation; the stage clock's
// first tick, a second later, finds the clock the activation has set.
TEST_F(GameStart, StageClockFirstTicksOneSecondAfterCreation)
{
    writeMap(1);
    program.ModeCmd_Click(1);
    GameWindow& g = *program.game();
    clock.advance(999);
    EXPECT_EQ(g.vm.text("Frame22"), QStringLiteral("  時間"));
    g.Form_Activate();
    clock.advance(1);
    EXPECT_EQ(g.f.TimeLeft, 479);
    EXPECT_EQ(g.vm.text("Frame22"), QStringLiteral("時間：7分59秒"));
    EXPECT_TRUE(host.boxes.empty());
}

// A control name that no window has is refused, read or written.
TEST(ViewModel, RefusesUndeclaredNames)
{
    QStringList refused;
    const auto saved = ViewModel::onUndeclared;
    ViewModel::onUndeclared = [&](const QString& name) { refused << name; };
    ViewModel vm;
    vm.setVisible(QStringLiteral("Label14"), true);
    EXPECT_FALSE(vm["Label14"].hasText);
    vm.setText(QStringLiteral("Label14"), QStringLiteral("PP+1"));
    EXPECT_TRUE(vm["Label14"].hasText);
    // Setting what it already shows is no change for the window to follow.
    const std::uint64_t revision = vm.revision();
    vm.setText(QStringLiteral("Label14"), QStringLiteral("PP+1"));
    vm.setVisible(QStringLiteral("Label14"), true);
    EXPECT_EQ(vm.revision(), revision);
    vm.setText(QStringLiteral("Label14"), QStringLiteral("PP+3"));
    EXPECT_EQ(vm.revision(), revision + 1);
    EXPECT_EQ(vm["Label14"].revision, revision + 1);
    vm.setText(QStringLiteral("Lable14"), QStringLiteral("PP+1"));
    (void)vm.visible(QStringLiteral("EndLbl6"));
    ViewModel::onUndeclared = saved;
    EXPECT_EQ(refused, (QStringList{QStringLiteral("Lable14"), QStringLiteral("EndLbl6")}));
}

TEST_F(GameStart, DerivedValues)
{
    m.GhoMvBase = 130;
    m.GhoMvStep = 6;
    m.StageNo = 0;
    EXPECT_EQ(m.ghostMovePeriod(), 136);
    m.Level = 1;
    EXPECT_EQ(m.playerStepPeriod(), 34);
    EXPECT_EQ(m.mouseSteerPeriod(), 124);
    EXPECT_EQ(m.ppCeiling(), 10);
    m.Level = 16;
    EXPECT_EQ(m.playerStepPeriod(), 4);
    EXPECT_EQ(m.ppCeiling(), 40);
    // Survival on stage 10 uses slots 0..44 at 46 ms.
    m.GhoAddNum = 3;
    m.GhoBaseNum = 14;
    m.GhoMvBase = 100;
    m.StageNo = 10;
    EXPECT_EQ(m.lastGhostSlot(), 44);
    EXPECT_EQ(m.ghostMovePeriod(), 46);
    m.GhoBaseNum = 15; // beyond every mode: the table still ends at slot 44
    EXPECT_EQ(m.lastGhostSlot(), 44);
}

TEST_F(GameStart, SixteenBitValuesWrapLikeSixteenBits)
{
    m.Lives = 32767;
    m.Lives = static_cast<std::int16_t>(m.Lives + 1);
    EXPECT_EQ(m.Lives, -32768);
    static_assert(sizeof(m.SprX) == 2 && sizeof(Form1Vars::Score) == 4 && sizeof(Form1Vars::MusicLoop) == 4);
}

// A broken map never leaves a half-loaded board in play: the player is told
// which file, and the game goes back to the mode window.
class BrokenMap : public GameFixture, public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(BrokenMap, TellsThePlayerAndReturnsToTheModeWindow)
{
    const auto [content, reason] = GetParam();
    if (content) {
        QFile f(QString::fromStdString(mapPath(1)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    m.MapTile.cells.fill(42);
    const Board before = m.MapTile;
    program.ModeCmd_Click(2);
    program.game()->Form_Activate();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("地圖檔錯誤"));
    EXPECT_TRUE(host.boxes[0].text.contains(QDir::toNativeSeparators(dir.path() + QStringLiteral("/map/map1"))));
    EXPECT_TRUE(host.boxes[0].text.contains(QString::fromUtf8(reason))) << host.boxes[0].text.toStdString();
    EXPECT_EQ(m.MapTile, before);
    EXPECT_EQ(program.game(), nullptr);
    EXPECT_TRUE(host.modeWindowOpen);
    EXPECT_FALSE(host.gameOpen);
    EXPECT_FALSE(host.helpOpen);
    EXPECT_FALSE(host.radarOpen);
    EXPECT_FALSE(host.quit);
    // A new choice starts cleanly once the map is mended.
    writeMap(1);
    GameWindow& g = startGame(2);
    EXPECT_EQ(g.f.Started, On);
}

std::string brokenMapName(const ::testing::TestParamInfo<BrokenMap::ParamType>& info)
{
    static const char* const names[] = {"Missing", "Short", "NotANumber", "OutOfRange"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(GameStart, BrokenMap,
                         ::testing::Values(std::make_pair(nullptr, "找不到"), std::make_pair("1\r\n2\r\n", "只讀到 2 個"),
                                           std::make_pair("1\r\nabc\r\n", "第 2 個圖塊代碼「abc」不是整數"),
                                           std::make_pair("40000\r\n", "第 1 個圖塊代碼「40000」超出範圍")),
                         brokenMapName);

TEST_F(GameStart, ClosingTheGameWindowClosesTheSideWindowsAndEndsTheProgram)
{
    writeMap(1);
    GameWindow& g = startGame(0);
    EXPECT_TRUE(host.helpOpen && host.radarOpen && host.gameOpen);
    program.gameWindowClosed();
    EXPECT_TRUE(g.closed());
    EXPECT_FALSE(host.helpOpen || host.radarOpen || host.gameOpen);
    EXPECT_TRUE(host.quit);
    EXPECT_FALSE(g.Timer1->enabled());
}

TEST_F(GameStart, RestartAsksFirstThenShowsTheModeWindow)
{
    writeMap(1);
    GameWindow& g = startGame(0);
    host.answers = {false};
    g.RestartGame();
    EXPECT_EQ(host.boxes.back().text, QStringLiteral("是否要重新開始?"));
    EXPECT_EQ(host.boxes.back().title, QStringLiteral("確定訊息"));
    EXPECT_EQ(program.game(), &g);
    EXPECT_TRUE(g.Timer1->enabled());
    EXPECT_TRUE(host.gameOpen && host.helpOpen && host.radarOpen);
    clock.advance(5000);
    host.answers = {true};
    g.RestartGame();
    EXPECT_EQ(program.game(), nullptr);
    EXPECT_TRUE(g.closed());
    EXPECT_FALSE(g.CheckNowTimer->enabled());
    EXPECT_FALSE(host.gameOpen || host.helpOpen || host.radarOpen);
    EXPECT_TRUE(host.modeWindowOpen);
    EXPECT_FALSE(host.quit);
    EXPECT_FALSE(host.musicOpen); // no tune over the mode window
    clock.advance(3000);

    // The next game's first frame starts its music from the beginning; the
    // old window is gone with its timers.
    host.sound.clear();
    GameWindow& again = startGame(3);
    EXPECT_EQ(clock.timerCount(), 16u);
    EXPECT_EQ(host.sound, QStringList{QStringLiteral("StartMusic")});
    EXPECT_EQ(host.MusicPosition(), 0);
    host.answers = {false};
    again.QuitGame();
    EXPECT_EQ(host.boxes.back().text, QStringLiteral("是否真的要離開?"));
    EXPECT_EQ(host.boxes.back().title, QStringLiteral("確定訊息"));
    EXPECT_FALSE(host.quit);
    EXPECT_EQ(program.game(), &again);
    host.answers = {true};
    again.QuitGame();
    EXPECT_TRUE(host.quit);
    EXPECT_TRUE(again.closed());
}

// Only the five buttons choose, and only while no game runs; closing the
// mode window ends the program only when no game is open.
TEST_F(GameStart, ModeChoiceOnlyFromTheModeWindow)
{
    writeMap(1);
    program.start();
    program.ModeCmd_Click(-1);
    program.ModeCmd_Click(5);
    EXPECT_EQ(program.game(), nullptr);
    EXPECT_TRUE(host.modeWindowOpen);
    GameWindow& g = startGame(0);
    program.ModeCmd_Click(3);
    EXPECT_EQ(program.game(), &g);
    EXPECT_EQ(m.ModeName, QStringLiteral("不可能任務生存顫慄模式"));
    program.modeWindowClosed(); // the mode window closing as the game opens
    EXPECT_FALSE(host.quit);
    program.backToModeWindow();
    program.modeWindowClosed();
    EXPECT_TRUE(host.quit);
}

} // namespace
