#include "GameProgram.h"

#include "GameWindow.h"
#include "Modes.h"

GameProgram::GameProgram(GameHost& host, TimerDriver& timers) : host_(host), timers_(timers) {}

GameProgram::~GameProgram() = default;

void GameProgram::start()
{
    modeVm_.setText(QStringLiteral("Caption"), modeWindowCaption());
    modeVm_.setText(QStringLiteral("VerLbl"), QStringLiteral("Ver ") + versionText());
    host_.ShowModeWindow();
}

void GameProgram::ModeCmd_Click(int row)
{
    if (row < 0 || row >= static_cast<int>(ModeTable.size()) || game_)
        return;
    collect();
    const ModeRow& mode = ModeTable[row];
    m_.ModeName = QString::fromUtf8(mode.modeName);
    host_.CloseModeWindow();
    host_.ShowHelpWindow();
    host_.ShowRadarWindow();
    game_ = std::make_unique<GameWindow>(*this, m_, host_, timers_, surfaceScale_);
    host_.ShowGameWindow();
    m_.Lives = mode.lives;
    m_.Level = mode.level;
    m_.GhoAddNum = mode.ghoAddNum;
    m_.GhoBaseNum = mode.ghoBaseNum;
    m_.LsCost = mode.lsCost;
    m_.GhoMvBase = mode.ghoMvBase;
    m_.GhoMvStep = mode.ghoMvStep;
    m_.StageNo = mode.stageNo;
}

void GameProgram::collect() { retired_.clear(); }

void GameProgram::retireGame()
{
    if (!game_)
        return;
    game_->Form_Unload();
    // A handler of this window may still be on the stack: free it later.
    retired_.push_back(std::move(game_));
}

void GameProgram::backToModeWindow()
{
    retireGame();
    host_.CloseGameWindow();
    host_.ShowModeWindow();
    // The tune of the game just left must not play over the mode window, and
    // the next game starts its own from the beginning.
    host_.CloseMusic();
}

void GameProgram::gameWindowClosed()
{
    retireGame();
    host_.CloseGameWindow();
    host_.Quit();
}

void GameProgram::modeWindowClosed()
{
    if (!game_)
        host_.Quit();
}
