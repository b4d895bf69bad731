#include "GameProgram.h"

#include "GameWindow.h"
#include "Modes.h"
#include "StageMapText.h"

#include <QFile>

GameProgram::GameProgram(GameHost& host, TimerDriver& timers) : host_(host), timers_(timers) {}

GameProgram::~GameProgram() = default;

void GameProgram::start()
{
    modeVm_.setText(QStringLiteral("Caption"), modeWindowCaption());
    modeVm_.setText(QStringLiteral("VerLbl"), QStringLiteral("Ver ") + versionText());
    host_.ShowModeWindow();
}

bool GameProgram::startTestGame(const QString& mapFile)
{
    const stagemap::ReadResult r = stagemap::read(QFile::encodeName(mapFile).toStdString());
    if (!r.ok()) {
        host_.MsgBox(QStringLiteral("無法載入試玩的地圖檔：\n%1\n\n%2\n\n試玩無法開始。").arg(mapFile, stagemap::problemText(r)),
                     QStringLiteral("地圖檔錯誤"));
        return false;
    }
    m_.TestMap = r.board;
    ModeCmd_Click(NormalModeRow);
    return true;
}

std::optional<QString> GameProgram::playMapArgument(const QStringList& args)
{
    const qsizetype at = args.indexOf(QStringLiteral("--play-map"));
    if (at < 0)
        return std::nullopt;
    return args.value(at + 1);
}

void GameProgram::ModeCmd_Click(int row)
{
    if (row < 0 || row >= static_cast<int>(ModeTable.size()) || game_)
        return;
    collect();
    openGame(ModeTable[row]);
}

void GameProgram::openGame(const ModeRow& mode)
{
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
    if (!m_.testGame())
        host_.ShowModeWindow();
    // The tune of the game just left must not play over the mode window, and
    // the next game starts its own from the beginning.
    host_.CloseMusic();
    if (m_.testGame())
        openGame(ModeTable[NormalModeRow]);
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
