#pragma once
#include "GameHost.h"
#include "GameState.h"
#include "Timer.h"
#include "ViewModel.h"

#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class GameWindow;
struct ModeRow;

// The program: the shared module, the mode window and the game window of the
// moment. It lives as long as the program.
class GameProgram {
public:
    GameProgram(GameHost& host, TimerDriver& timers);
    ~GameProgram();

    // Program start: the mode window opens.
    void start();

    // Program start with --play-map: the game window opens at once on that
    // one map, without the mode window. A file that cannot be read is
    // reported, no window opens, and the answer is false.
    bool startTestGame(const QString& mapFile);
    // The file named after --play-map (empty when none follows), or nothing
    // when the option is not given.
    static std::optional<QString> playMapArgument(const QStringList& args);

    // A mode button of the mode window (row of the mode table, hardest first).
    void ModeCmd_Click(int row);

    // Closes the game, help and radar windows, shows the mode window again and
    // closes the music channel. A test game starts again on its map instead.
    void backToModeWindow();
    // The game window was closed by its close box or a confirmed quit.
    void gameWindowClosed();
    // The mode window was closed without choosing a mode.
    void modeWindowClosed();

    // Pixels per board pixel on the screen (the board is drawn at that size).
    void setSurfaceScale(int scale) { surfaceScale_ = scale; }

    Module1& module() { return m_; }
    GameHost& host() { return host_; }
    TimerDriver& timers() { return timers_; }
    ViewModel& modeView() { return modeVm_; }
    GameWindow* game() { return game_.get(); }

    // Frees game windows closed earlier; call when no handler of theirs runs.
    void collect();

private:
    void openGame(const ModeRow& mode);
    void retireGame();

    GameHost& host_;
    TimerDriver& timers_;
    Module1 m_;
    ViewModel modeVm_;
    int surfaceScale_ = 1;
    std::unique_ptr<GameWindow> game_;
    std::vector<std::unique_ptr<GameWindow>> retired_;
};
