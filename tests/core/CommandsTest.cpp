#include "GameFixture.h"
#include "HelpTexts.h"
#include "QaForm.h"
#include "Radar.h"

namespace {

class Commands : public GameFixture {
protected:
    GameWindow& start() { return startCalm(1); } // hard mode, stage 1
    // The five timers that pause and the description panel stop together.
    static std::vector<bool> gameClock(GameWindow& g)
    {
        return {g.Timer1->enabled(), g.SprChkTimer->enabled(), g.MvGhoTimer->enabled(), g.GifOneTimer->enabled(),
                g.GameTimer->enabled()};
    }
    static std::vector<bool> running(bool on) { return std::vector<bool>(5, on); }
    // The pause button's key (its image) and text.
    static std::pair<QString, QString> pauseButton(GameWindow& g)
    {
        return {g.vm.image(QStringLiteral("Toolbar1.stop")), g.vm.text(QStringLiteral("Toolbar1.stop"))};
    }
};

const std::pair<QString, QString> StopLook{QStringLiteral("stop"), QStringLiteral("暫停")};
const std::pair<QString, QString> StartLook{QStringLiteral("start"), QStringLiteral("繼續")};

// Enter, the menu item and the toolbar button all pause and resume, decided
// by the menu item's caption; only the button changes its own look, so a
// game paused by the button and resumed with Enter keeps "繼續" on it.
TEST_F(Commands, PauseFromTheMenuTheButtonAndEnter)
{
    GameWindow& g = start();
    clock.advance(1000);
    EXPECT_EQ(g.vm.text("GameStop"), QStringLiteral("暫停"));
    EXPECT_EQ(pauseButton(g), StopLook);

    g.FG_KeyDown(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(g.vm.text("GameStop"), QStringLiteral("開始"));
    EXPECT_TRUE(g.vm.visible("Label23") && g.vm.visible("Label24"));
    EXPECT_EQ(gameClock(g), running(false));
    EXPECT_EQ(host.boardFocused, 1);
    EXPECT_EQ(pauseButton(g), StopLook);
    // Paused: the clock stands, the status refresh and the step timer go on.
    const std::int16_t time = g.f.TimeLeft;
    g.f.Score = 1000;
    clock.advance(2000);
    EXPECT_EQ(g.f.TimeLeft, time);
    EXPECT_EQ(m.Level, 2);
    EXPECT_TRUE(g.SprMovTimer->enabled());
    g.FG_KeyDown(Qt::Key_Enter, Qt::NoModifier); // the keypad's Enter does the same
    EXPECT_EQ(g.vm.text("GameStop"), QStringLiteral("暫停"));
    EXPECT_FALSE(g.vm.visible("Label23") || g.vm.visible("Label24"));
    EXPECT_EQ(gameClock(g), running(true));
    EXPECT_EQ(host.boardFocused, 1); // resuming leaves the keyboard where it is

    g.Toolbar1_ButtonClick(2); // the button pauses and turns into "繼續"
    EXPECT_EQ(gameClock(g), running(false));
    EXPECT_EQ(pauseButton(g), StartLook);
    g.FG_KeyDown(Qt::Key_Return, Qt::NoModifier); // Enter resumes; the button stays as it is
    EXPECT_EQ(gameClock(g), running(true));
    EXPECT_EQ(pauseButton(g), StartLook);
    g.Toolbar1_ButtonClick(2); // "繼續" pauses again and turns back into "暫停"
    EXPECT_EQ(gameClock(g), running(false));
    EXPECT_EQ(pauseButton(g), StopLook);
    g.PauseGame(); // the menu item
    EXPECT_EQ(gameClock(g), running(true));
    EXPECT_EQ(pauseButton(g), StopLook);
    // A caption that is neither does nothing.
    g.vm.setText(QStringLiteral("GameStop"), QStringLiteral("?"));
    g.PauseGame();
    EXPECT_EQ(gameClock(g), running(true));
    EXPECT_FALSE(g.vm.visible("Label23"));
}

// The radar, the help window and the message panel: menu item and button do
// the same toggle, the item's check mark and the button's pressed look follow.
TEST_F(Commands, WindowAndPanelToggles)
{
    struct Toggle {
        const char* item;
        int button;
        const char* key;
        std::function<bool()> shown;
        void (GameWindow::*menu)();
    };
    const Toggle toggles[] = {
        {"MapLa", 11, "lada", [this] { return host.radarOpen; }, &GameWindow::MapLa_Click},
        {"Cop", 9, "coped", [this] { return host.helpOpen; }, &GameWindow::Cop_Click},
        {"Mess", 10, "mess", [this] { return program.game()->vm.visible("Frame5"); }, &GameWindow::Mess_Click},
    };
    GameWindow& g = start();
    for (const Toggle& t : toggles) {
        SCOPED_TRACE(t.item);
        const QString item = QString::fromLatin1(t.item), button = QStringLiteral("Toolbar1.") + QLatin1String(t.key);
        // Open with the game: checked and pressed.
        EXPECT_TRUE(t.shown());
        EXPECT_TRUE(g.vm.checked(item));
        EXPECT_TRUE(g.vm.checked(button));
        for (int round = 0; round < 2; ++round) {
            if (round == 0)
                (g.*t.menu)();
            else
                g.Toolbar1_ButtonClick(t.button);
            EXPECT_FALSE(t.shown());
            EXPECT_FALSE(g.vm.checked(item));
            EXPECT_FALSE(g.vm.checked(button));
            if (round == 0)
                g.Toolbar1_ButtonClick(t.button);
            else
                (g.*t.menu)();
            EXPECT_TRUE(t.shown());
            EXPECT_TRUE(g.vm.checked(item));
            EXPECT_TRUE(g.vm.checked(button));
        }
    }
    // Closed with their own close boxes: the radar's mark stays, the help
    // window's mark follows within a refresh; both buttons keep their look.
    host.radarOpen = host.helpOpen = false;
    clock.advance(50);
    EXPECT_TRUE(g.vm.checked("MapLa"));
    EXPECT_FALSE(g.vm.checked("Cop"));
    EXPECT_TRUE(g.vm.checked("Toolbar1.lada"));
    EXPECT_TRUE(g.vm.checked("Toolbar1.coped"));
    g.MapLa_Click(); // finds it closed: opens it
    EXPECT_TRUE(host.radarOpen);
}

// Double-clicks on the message panel or its text hide it, on the icon show
// it; the menu item follows, the button keeps its look.
TEST_F(Commands, MessagePanelDoubleClicks)
{
    GameWindow& g = start();
    g.Frame5_DblClick();
    EXPECT_FALSE(g.vm.visible("Frame5"));
    EXPECT_FALSE(g.vm.checked("Mess"));
    EXPECT_TRUE(g.vm.checked("Toolbar1.mess"));
    g.Mess_Click(); // unchecked: shows it again
    EXPECT_TRUE(g.vm.visible("Frame5"));
    EXPECT_TRUE(g.vm.checked("Mess"));
    g.Label1_DblClick();
    EXPECT_FALSE(g.vm.visible("Frame5"));
    g.Image1_DblClick();
    EXPECT_TRUE(g.vm.visible("Frame5"));
    EXPECT_TRUE(g.vm.checked("Mess"));
    // Messages written while it was hidden are there when it shows.
    g.Frame5_DblClick();
    g.ShowPanelMessage(QStringLiteral("a"), QStringLiteral("b"));
    g.Image1_DblClick();
    EXPECT_EQ(g.vm.text("Label1"), QStringLiteral("a\r\rb"));
}

// The description stops the game-clock set while it shows; "關閉" restarts
// it and leaves the button pressed, so the button then opens it again.
TEST_F(Commands, DescriptionPanelStopsTheGame)
{
    GameWindow& g = start();
    EXPECT_FALSE(g.vm.visible("GameFrame"));
    EXPECT_FALSE(g.vm.checked("Toolbar1.cop"));
    EXPECT_EQ(std::make_pair(g.vm["LblGame"].left, g.vm["LblGame"].top), std::make_pair(0, 0));
    const QStringList lines = g.vm.text("LblGame").split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 37);
    EXPECT_EQ(lines.first(), QStringLiteral("==========關於遊戲的進行=========="));
    EXPECT_EQ(lines.last(), QStringLiteral("動到的區域，進而前往到該地方，等待鬼移動到別處，再先行移動"));
    EXPECT_EQ(lines.count(QString()), 7);

    g.GameCaption_Click();
    EXPECT_TRUE(g.vm.visible("GameFrame"));
    EXPECT_EQ(gameClock(g), running(false));
    EXPECT_TRUE(g.SprMovTimer->enabled() && g.CheckNowTimer->enabled());
    EXPECT_TRUE(g.vm.checked("Toolbar1.cop"));
    EXPECT_EQ(host.boardFocused, 1);
    g.VScroll1_Change(1000);
    EXPECT_EQ(g.vm["LblGame"].top, -1000);
    g.VScroll1_Change(3960); // the end: the last line at the bottom of the frame
    EXPECT_EQ(std::make_pair(g.vm["LblGame"].left, g.vm["LblGame"].top), std::make_pair(0, -3960));
    g.Command1_Click();
    EXPECT_FALSE(g.vm.visible("GameFrame"));
    EXPECT_EQ(gameClock(g), running(true));
    EXPECT_EQ(host.boardFocused, 2);
    EXPECT_TRUE(g.vm.checked("Toolbar1.cop"));
    g.Toolbar1_ButtonClick(15);
    EXPECT_TRUE(g.vm.visible("GameFrame"));
    EXPECT_TRUE(g.vm.checked("Toolbar1.cop"));
    g.Toolbar1_ButtonClick(15);
    EXPECT_FALSE(g.vm.visible("GameFrame"));
    EXPECT_EQ(gameClock(g), running(true));
    EXPECT_FALSE(g.vm.checked("Toolbar1.cop"));

    // A paused game stays paused behind the description, however it closes;
    // resumed under it, the game waits for it to close.
    g.FG_KeyDown(Qt::Key_Return, Qt::NoModifier);
    for (const auto& close : std::vector<std::function<void()>>{
             [&] { g.Command1_Click(); }, [&] { g.GameCaption_Click(); }, [&] { g.Toolbar1_ButtonClick(15); }}) {
        g.GameCaption_Click();
        close();
        EXPECT_FALSE(g.vm.visible("GameFrame"));
        EXPECT_EQ(gameClock(g), running(false));
    }
    g.GameCaption_Click();
    g.FG_KeyDown(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(gameClock(g), running(false));
    g.Command1_Click();
    EXPECT_EQ(gameClock(g), running(true));
}

// Restart, quit and the links from the toolbar; the separators' positions do nothing.
TEST_F(Commands, ToolbarRestartQuitAndLinks)
{
    GameWindow& g = start();
    for (int index : {0, 3, 6, 8, 12, 17})
        g.Toolbar1_ButtonClick(index);
    EXPECT_TRUE(host.boxes.empty());
    g.Toolbar1_ButtonClick(14);
    g.Toolbar1_ButtonClick(16);
    g.LinkMe_Click();
    EXPECT_EQ(host.opened, (QStringList{QString::fromLatin1(help::ContactAddress),
                                        QStringLiteral("max ") + QLatin1String(help::SchoolAddress),
                                        QString::fromLatin1(help::ContactAddress)}));
    EXPECT_TRUE(QString::fromLatin1(help::ContactAddress).startsWith(QStringLiteral("mailto:")));
    host.answers = {false};
    g.Toolbar1_ButtonClick(7);
    EXPECT_EQ(host.boxes.back().text, QStringLiteral("是否真的要離開?"));
    EXPECT_EQ(host.boardFocused, 1); // No: the keyboard goes back to the board
    EXPECT_FALSE(host.quit);
    host.answers = {true};
    g.Toolbar1_ButtonClick(1);
    EXPECT_EQ(host.boxes.back().text, QStringLiteral("是否要重新開始?"));
    EXPECT_EQ(program.game(), nullptr);
    EXPECT_TRUE(host.modeWindowOpen);
}

// The radar: one 4 x 4 square a cell, red, yellow or green by the tile, and
// the player's black square, unrounded, five times a second.
TEST_F(Commands, RadarShowsBallsAndThePlayer)
{
    GameWindow& g = start();
    RadarForm radar(m, clock);
    const QRgb red = qRgb(255, 0, 0), yellow = qRgb(255, 255, 0), green = qRgb(0, 128, 0), black = qRgb(0, 0, 0);
    const auto square = [&](int x, int y) { return radar.CM().pixel(x, y) | 0xff000000u; };
    m.MapTile = floorBoard(); // one small ball at (24, 1)
    m.MapTile(3, 4) = 6;
    m.MapTile(5, 6) = 1;
    m.SprX = 450; // half-way from cell 1 to cell 2
    m.SprY = 1500;
    m.SprHide = On; // shown while invisible too
    int painted = 0;
    radar.painted = [&] { ++painted; };
    EXPECT_EQ(square(50, 40), qRgb(255, 255, 192)); // the window's own colour until the first tick
    clock.advance(199);
    EXPECT_EQ(painted, 0);
    clock.advance(1);
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(square(24 * 4 + 1, 1 * 4 + 2), red);
    EXPECT_EQ(square(3 * 4, 4 * 4 + 3), yellow);
    EXPECT_EQ(square(5 * 4 + 3, 6 * 4), green);
    EXPECT_EQ(square(25 * 4 + 3, 19 * 4 + 3), green);
    // The player's square from x = 6 to 9: over the right half of cell 1 and the left of cell 2.
    for (int x = 4; x < 12; ++x)
        EXPECT_EQ(square(x, 5 * 4 + 1), x >= 6 && x < 10 ? black : green) << x;
    // The ball eaten, every cell is green on the next tick.
    m.MapTile(24, 1) = 15;
    m.MapTile(3, 4) = 15;
    clock.advance(200);
    int notGreen = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 104; ++x)
            notGreen += square(x, y) != green;
    EXPECT_EQ(notGreen, 16); // the player's square
    // In the last cell, the square is the last radar square.
    m.SprX = 7500;
    m.SprY = 5700;
    clock.advance(200);
    EXPECT_EQ(square(100, 76), black);
    EXPECT_EQ(square(103, 79), black);
    EXPECT_EQ(square(99, 75), green);
    (void)g;
}

// Exactly one answer shows, its button greyed out; a new window starts with none.
TEST(QaForm, OneAnswerAtATime)
{
    for (int k = 0; k < 8; ++k) {
        QaForm qa;
        for (int i = 0; i < 8; ++i) {
            EXPECT_FALSE(qa.vm.visible(QStringLiteral("Fme%1").arg(i)));
            EXPECT_TRUE(qa.vm.enabled(QStringLiteral("Cmd%1").arg(i)));
        }
        qa.Cmd_Click((k + 3) % 8);
        qa.Cmd_Click(k);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(qa.vm.visible(QStringLiteral("Fme%1").arg(i)), i == k) << k << " " << i;
            EXPECT_EQ(qa.vm.enabled(QStringLiteral("Cmd%1").arg(i)), i != k) << k << " " << i;
        }
    }
    QaForm qa;
    EXPECT_EQ(qa.vm.text("Frame1"), QStringLiteral("選擇想了解的功能"));
    EXPECT_EQ(qa.vm.text("Cmd5"), QStringLiteral("按鍵"));
    EXPECT_EQ(qa.vm.text("Fme5"), QStringLiteral("關於按鍵使用"));
    const QStringList keys = qa.vm.text("Lbl5").split(QStringLiteral("\r\n"));
    ASSERT_EQ(keys.size(), 6);
    EXPECT_EQ(keys.first(), QStringLiteral("Z鍵 = 雷射光    殺鬼使用  "));
    EXPECT_EQ(keys.last(), QStringLiteral("Enter鍵 = 暫停  暫停或繼續遊戲"));
}

} // namespace
