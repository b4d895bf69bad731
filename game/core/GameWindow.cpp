#include "GameWindow.h"

#include "GameProgram.h"
#include "HelpTexts.h"
#include "Modes.h"

GameWindow::GameWindow(GameProgram& program, Module1& m, GameHost& host, TimerDriver& timers, int surfaceScale)
    : m(m), FG(surfaceScale), program_(program), host_(host)
{
    createTimers(timers);
    Form_Load();
}

GameWindow::~GameWindow() = default;

void GameWindow::createTimers(TimerDriver& d)
{
    // Periods and switches as the window is designed, with the game-clock set
    // already switched on as the window's load does before anything can tick.
    Timer1 = d.create("Timer1", 50, true, [this] { Timer1_Timer(); });
    CheckNowTimer = d.create("CheckNowTimer", 50, true, [this] { CheckNowTimer_Timer(); });
    MvGhoTimer = d.create("MvGhoTimer", 80, true, [this] { MvGhoTimer_Timer(); });
    MusicTimer = d.create("MusicTimer", 1000, true, [this] { MusicTimer_Timer(); });
    SprMovTimer = d.create("SprMovTimer", 55, true, [this] { SprMovTimer_Timer(); });
    GhoChkTimer = d.create("GhoChkTimer", 1000, false, [this] { GhoChkTimer_Timer(); });
    LblTimer = d.create("LblTimer", 1000, false, [this] { LblTimer_Timer(); });
    LightTimer = d.create("LightTimer", 80, false, [this] { LightTimer_Timer(); });
    GameTimer = d.create("GameTimer", 1000, true, [this] { GameTimer_Timer(); });
    GifOneTimer = d.create("GifOneTimer", 200, true, [this] { GifOneTimer_Timer(); });
    LsTimer = d.create("LsTimer", 80, false, [this] { LsTimer_Timer(); });
    ChiTimer = d.create("ChiTimer", 80, false, [this] { ChiTimer_Timer(); });
    SprChkTimer = d.create("SprChkTimer", 1000, true, [this] { SprChkTimer_Timer(); });
    MouseTimer = d.create("MouseTimer", 0, false, [this] { MouseTimer_Timer(); });
    EndLblTimer = d.create("EndLblTimer", 10, false, [this] { EndLblTimer_Timer(); });
    EndTimer = d.create("EndTimer", 1, false, [this] { EndTimer_Timer(); });
}

int GameWindow::randomDirection() { return static_cast<int>(4 * host_.Rnd()); }

void setEndingDesignTexts(ViewModel& vm);

// What the window shows before its load runs.
void GameWindow::setDesignTexts()
{
    setEndingDesignTexts(vm);
    for (const char* name : {"LblScore", "Label6", "Label12", "Label20", "Label21", "Label22"})
        vm.setText(QString::fromLatin1(name), QStringLiteral("0"));
    vm.setText(QStringLiteral("Label19"), QStringLiteral("0%"));
    vm.setVisible(QStringLiteral("Label14"), false); // its design text goes with the load
    vm.setText(QStringLiteral("Frame21"), QStringLiteral("PP值：10 / 10"));
    vm.setText(QStringLiteral("Frame22"), QStringLiteral("  時間"));
    vm.setVisible(QStringLiteral("TimPic"), false); // until the clock first ticks
    vm.setText(QStringLiteral("Label3"), QStringLiteral("隱形可維持秒數"));
    vm.setText(QStringLiteral("Label9"), QStringLiteral("鬼減緩限制時間"));
    for (const char* name : {"Label3", "Label4", "Label8", "Label9"})
        vm.setVisible(QString::fromLatin1(name), false);
    vm.setText(QStringLiteral("Label23"), QStringLiteral("暫停中!"));
    vm.setText(QStringLiteral("Label24"), QStringLiteral("按下 Enter 鍵繼續........"));
    vm.setVisible(QStringLiteral("Label23"), false);
    vm.setVisible(QStringLiteral("Label24"), false);
    vm.setText(QStringLiteral("GameStop"), QStringLiteral("暫停"));
    vm.setImage(QStringLiteral("Toolbar1.stop"), QStringLiteral("stop"));
    vm.setText(QStringLiteral("Toolbar1.stop"), QStringLiteral("暫停"));
    // Radar, help window and message panel open with the game: their menu
    // items checked, their buttons pressed.
    for (const char* name : {"MapLa", "Cop", "Mess", "Toolbar1.lada", "Toolbar1.coped", "Toolbar1.mess"})
        vm.setChecked(QString::fromLatin1(name), true);
    vm.setVisible(QStringLiteral("GameFrame"), false);
    vm.setText(QStringLiteral("LblGame"), help::gameDescription());
    vm.setPosition(QStringLiteral("LblGame"), 0, 0);
}

void GameWindow::Form_Load()
{
    setDesignTexts();
    host_.Randomize();
    // The window's other variables (score, counters, Started) start at 0.
    f.CellSize = 300;
    f.PP = 10;
    vm.setText(QStringLiteral("Caption"), caption());
    vm.setVisible(QStringLiteral("EndFm"), false);
    m.SprMoving = Off; // a time-out's game over left the player frozen
    m.SprStep = 0;      // a game left in the middle of a move must not shorten the next game's first
    m.DirVec[0] = {0, -1};
    m.DirVec[1] = {1, 0};
    m.DirVec[2] = {0, 1};
    m.DirVec[3] = {-1, 0};
    m.SprX = 300;
    m.SprY = 5400;
    m.SprDir = 3;
    m.ChiDir = 3;
    m.Ls1Dir = 3;
    m.Ls2Dir = 3;
    for (int i = 0; i <= LastGhostSlot; ++i) {
        GhoRec& g = m.GhoTab[i];
        g.X = static_cast<std::int16_t>(13 * f.CellSize);
        g.Y = static_cast<std::int16_t>(3 * f.CellSize);
        g.Dir = static_cast<std::int16_t>(randomDirection());
        g.Alive = true;
        const int r = randomDirection();
        g.Kind = static_cast<std::int16_t>(r == 3 ? 0 : r);
    }
}

void GameWindow::setGameClock(bool on)
{
    Timer1->setEnabled(on);
    SprChkTimer->setEnabled(on);
    MvGhoTimer->setEnabled(on);
    GifOneTimer->setEnabled(on);
    GameTimer->setEnabled(on);
}

void GameWindow::Form_Activate()
{
    if (f.Started != Off || closed_)
        return;
    // The first stage (1, or the practice map 0) starts like every other.
    stageStartValues();
    if (!m.savingOffered()) {
        vm.setEnabled(QStringLiteral("Toolbar1.save"), false);
        vm.setEnabled(QStringLiteral("saveSP"), false);
    }
    if (m.testGame()) {
        vm.setText(QStringLiteral("Label13"), QStringLiteral("試玩地圖"));
        m.MapTile = *m.TestMap;
        DrawBoard();
    } else {
        LoadStageMap(m.StageNo);
        if (closed_)
            return; // the map was refused
    }
    f.Started = On;
}

void GameWindow::Form_Unload()
{
    if (closed_)
        return;
    closed_ = true;
    for (Timer* t : {Timer1.get(), CheckNowTimer.get(), MvGhoTimer.get(), MusicTimer.get(), SprMovTimer.get(),
                     GhoChkTimer.get(), LblTimer.get(), LightTimer.get(), GameTimer.get(), GifOneTimer.get(),
                     LsTimer.get(), ChiTimer.get(), SprChkTimer.get(), MouseTimer.get(), EndLblTimer.get(),
                     EndTimer.get()})
        t->setEnabled(false);
    host_.CloseSideWindows();
}

// Handlers whose work arrives with the subsystems that own them.
