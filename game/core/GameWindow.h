#pragma once
#include "GameHost.h"
#include "GameState.h"
#include "Surface.h"
#include "Timer.h"
#include "ViewModel.h"

#include <functional>
#include <memory>

class GameProgram;

// The game window's logic: its variables, timers and handlers. Handlers keep
// the names of the window's events and are defined in the folder of the
// subsystem that owns them.
class GameWindow {
public:
    GameWindow(GameProgram& program, Module1& m, GameHost& host, TimerDriver& timers, int surfaceScale = 1);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Window events.
    void Form_Activate();
    void Form_Unload();

    // Reads the map of a stage into the board and repaints; on a missing or
    // damaged file it tells the player and the game goes back to the mode
    // window (this window is closed then), leaving the board as it was.
    void LoadStageMap(std::int16_t stage);

    // The frame: board repaint and housekeeping, then the player, the ghosts
    // and the stage-clear test.
    void DrawBoard();
    void DrawSprite();
    void DrawGhosts();
    void CheckStage();

    // Commands: menus, toolbar buttons (numbered 1..16, separators count),
    // the message panel, the description panel and its scroll bar.
    void RestartGame();
    void QuitGame();
    void PauseGame();
    void Toolbar1_ButtonClick(int index);
    void MapLa_Click();
    void Cop_Click();
    void Mess_Click();
    void Frame5_DblClick();
    void Label1_DblClick();
    void Image1_DblClick();
    void GameCaption_Click();
    void Command1_Click();
    void VScroll1_Change(int value);
    void LinkMe_Click();
    void Halvern_Click();

    // Keyboard and movement. Keys are Qt::Key values.
    void FG_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void FG_KeyUp(int key, Qt::KeyboardModifiers modifiers);
    bool CheckSpriteHit() const;
    void SetFxPos();

    // The mouse on the board: left steers, middle drills, right fires.
    // Positions are in twips from the board's top left corner.
    enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    void FG_MouseDown(int button, Qt::KeyboardModifiers shift, double x, double y);
    void FG_MouseMove(int buttons, Qt::KeyboardModifiers shift, double x, double y);
    void FG_MouseUp(int button, Qt::KeyboardModifiers shift, double x, double y);
    static int snapToCell(double twips);

    // The test tools menu, F2..F9, F11, F12; they do nothing while it is disabled.
    void Tool0_Click();
    void Tool1_Click();
    void Tool2_Click();
    void Tool3_Click();
    void Tool4_Click();
    void Tool5_Click();
    void Tool6_Click();
    void Tool7_Click();
    void Tool8_Click();
    void Tool9_Click();
    // Ctrl+Alt with these letters on the board switch the test tools on and off.
    static constexpr int ToolsOnKey = Qt::Key_M, ToolsOffKey = Qt::Key_N;

    // Pickups.
    void CheckEat();
    bool CheckBall() const;

    // Ghosts, contact and death.
    void MoveGhosts();
    static bool Touches(int ax, int ay, int bx, int by);
    void CheckGhostContact();
    // Laser and drill tests for ghost i after its step on a cell.
    void LaserAndDrillTests(int i);
    void DrawLaser();

    // Player powers.
    void UseInvisibility();
    void TunnelJump();
    void ToggleLight();
    void DrawChi();
    void ChiBreak();
    void DrawLight();

    // Stages and the end of a game.
    void ResetActors();
    void GameOver(bool afterTimeOut);
    void EndOfGame();

    // High scores and saved games.
    // Offers the final score of a game to the table, then shows the table.
    void OfferScore(std::int32_t score);
    // How long an offer waits for another game to finish with the table.
    static constexpr int TableLockWaitMs = 3000;
    // How old a lock whose owner cannot be tested must be to be taken over.
    static constexpr qint64 AbandonedLockMs = 10 * 60 * 1000;
    // The high-score window opens over a disabled game window; the game runs on.
    void ShowHighScores();
    void SaveGame();
    void LoadGame();
    QString savedGamePath(const QString& name) const;

    // Status panel: the floating message over the board and the message panel.
    void ShowMessage(const QString& text);
    void ShowPanelMessage(const QString& first, const QString& second);
    void ShowPPCaption();

    QString stageMapPath(std::int16_t stage) const;

    Module1& m;
    Form1Vars f;
    ViewModel vm;
    Surface FG;

    // The sixteen timers of the game window.
    std::unique_ptr<Timer> Timer1, CheckNowTimer, MvGhoTimer, MusicTimer, SprMovTimer, GhoChkTimer, LblTimer,
        LightTimer, GameTimer, GifOneTimer, LsTimer, ChiTimer, SprChkTimer, MouseTimer, EndLblTimer, EndTimer;

    // The five timers that pause, the instructions panel, saving and loading
    // switch off and on together.
    void setGameClock(bool on);

    bool closed() const { return closed_; }
    int endImageTop() const { return endImgTop_; }

    // Cell of a twip coordinate: divided by the cell size, halves to even.
    static int cellOf(int twips);

private:
    void Form_Load();
    void setDesignTexts();
    void turnOrMove(std::int16_t dir, std::int16_t frame);
    void createTimers(TimerDriver& timers);
    int randomDirection();

    // Tick handlers.
    void Timer1_Timer();
    void CheckNowTimer_Timer();
    void MvGhoTimer_Timer();
    void MusicTimer_Timer();
    void SprMovTimer_Timer();
    void GhoChkTimer_Timer();
    void LblTimer_Timer();
    void LightTimer_Timer();
    void GameTimer_Timer();
    void GifOneTimer_Timer();
    void LsTimer_Timer();
    void ChiTimer_Timer();
    void SprChkTimer_Timer();
    void MouseTimer_Timer();
    void EndLblTimer_Timer();
    void EndTimer_Timer();

    void effectTick(const std::function<void()>& draw);
    void showMessagePanel(bool show);
    void setMouseTarget(double x, double y); // only while the character rests
    bool toolsOn() const { return vm.enabled(QStringLiteral("Tool")); }
    bool paused() const { return vm.visible(QStringLiteral("Label23")); }
    void toolResult(const QString& result);
    // The typed name of a saved game, trimmed, or empty after telling the
    // player why it cannot be one (`failTitle` heads that message).
    QString checkedSaveName(const QString& typed, const QString& failTitle);
    void showEndTexts();
    void freeze(); // menus and toolbar off, the ending frame on its way
    void stopWalking();
    void stageStartValues(); // clock, music loop point and name of the new stage
    QString caption() const;
    void deathSequence(int ghost);
    void startInvincibility();

    GameProgram& program_;
    GameHost& host_;
    bool closed_ = false;
    int endImgTop_ = 6120; // top of the ending picture in twips
};
