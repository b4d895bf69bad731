#pragma once
#include "GameHost.h"
#include "GameState.h"
#include "Timer.h"
#include "ViewModel.h"

#include <memory>

class GameProgram;

// The game window's logic: its variables, timers and handlers. Handlers keep
// the names of the window's events and are defined in the folder of the
// subsystem that owns them.
class GameWindow {
public:
    GameWindow(GameProgram& program, Module1& m, GameHost& host, TimerDriver& timers);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Window events.
    void Form_Activate();
    void Form_Unload();

    // Reads the map of a stage into the board and repaints; on a missing or
    // damaged file it tells the player and the game goes back to the mode
    // window, leaving the board as it was. False when the map was not loaded.
    bool LoadStageMap(std::int16_t stage);
    void DrawBoard();

    // Commands.
    void RestartGame();
    void QuitGame();

    QString stageMapPath(std::int16_t stage) const;

    Module1& m;
    Form1Vars f;
    ViewModel vm;

    // The sixteen timers of the game window.
    std::unique_ptr<Timer> Timer1, CheckNowTimer, MvGhoTimer, MusicTimer, SprMovTimer, GhoChkTimer, LblTimer,
        LightTimer, GameTimer, GifOneTimer, LsTimer, ChiTimer, SprChkTimer, MouseTimer, EndLblTimer, EndTimer;

    // The five timers that pause, the instructions panel, saving and loading
    // switch off and on together.
    void setGameClock(bool on);

    bool closed() const { return closed_; }

private:
    void Form_Load();
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

    GameProgram& program_;
    GameHost& host_;
    bool closed_ = false;
};
