#include "GameProgram.h"
#include "GameWindow.h"
#include "HelpTexts.h"

namespace {
const QString Confirm = QStringLiteral("確定訊息");
const QString Pause = QStringLiteral("暫停");
const QString Resume = QStringLiteral("開始");
} // namespace

void GameWindow::RestartGame()
{
    if (host_.AskYesNo(QStringLiteral("是否要重新開始?"), Confirm))
        program_.backToModeWindow();
}

void GameWindow::QuitGame()
{
    if (host_.AskYesNo(QStringLiteral("是否真的要離開?"), Confirm))
        program_.gameWindowClosed();
    else
        host_.FocusBoard();
}

// Pause and resume, decided by what the menu item reads. Only the game-clock
// set stops; the panel, the player's steps and the effects run on.
void GameWindow::PauseGame()
{
    const QString caption = vm.text(QStringLiteral("GameStop"));
    if (caption != Pause && caption != Resume)
        return;
    const bool pause = caption == Pause;
    vm.setVisible(QStringLiteral("Label23"), pause);
    vm.setVisible(QStringLiteral("Label24"), pause);
    // Resumed under the description, the game waits for the description to close.
    setGameClock(!pause && !vm.visible(QStringLiteral("GameFrame")));
    if (pause)
        host_.FocusBoard();
    vm.setText(QStringLiteral("GameStop"), pause ? Resume : Pause);
}

void GameWindow::Toolbar1_ButtonClick(int index)
{
    switch (index) {
    case 1: RestartGame(); break;
    case 2: {
        // Only this button changes its own look, from its own key: paused from
        // the menu or with Enter, it keeps the look it had.
        const bool wasStop = vm.image(QStringLiteral("Toolbar1.stop")) == QLatin1String("stop");
        PauseGame();
        vm.setImage(QStringLiteral("Toolbar1.stop"), wasStop ? QStringLiteral("start") : QStringLiteral("stop"));
        vm.setText(QStringLiteral("Toolbar1.stop"), wasStop ? QStringLiteral("繼續") : Pause);
        break;
    }
    case 4: SaveGame(); break;
    case 5: LoadGame(); break;
    case 7: QuitGame(); break;
    case 9: Cop_Click(); break;
    case 10: Mess_Click(); break;
    case 11: MapLa_Click(); break;
    case 13: ShowHighScores(); break;
    case 14: LinkMe_Click(); break;
    case 15: GameCaption_Click(); break;
    case 16: Halvern_Click(); break;
    default: break; // separators
    }
}

void GameWindow::MapLa_Click()
{
    const bool open = !host_.RadarWindowVisible();
    if (open)
        host_.ShowRadarWindow();
    else
        host_.CloseRadarWindow();
    vm.setChecked(QStringLiteral("MapLa"), open);
    vm.setChecked(QStringLiteral("Toolbar1.lada"), open);
}

void GameWindow::Cop_Click()
{
    const bool open = !host_.HelpWindowVisible();
    if (open)
        host_.ShowHelpWindow();
    else
        host_.CloseHelpWindow();
    vm.setChecked(QStringLiteral("Cop"), open);
    vm.setChecked(QStringLiteral("Toolbar1.coped"), open);
}

void GameWindow::Mess_Click()
{
    const bool show = !vm.checked(QStringLiteral("Mess"));
    vm.setVisible(QStringLiteral("Frame5"), show);
    vm.setChecked(QStringLiteral("Mess"), show);
    vm.setChecked(QStringLiteral("Toolbar1.mess"), show);
}

// Double-clicks on the message panel hide it, on the icon show it; the
// toolbar button keeps its look.
void GameWindow::Frame5_DblClick() { showMessagePanel(false); }
void GameWindow::Label1_DblClick() { showMessagePanel(false); }
void GameWindow::Image1_DblClick() { showMessagePanel(true); }

void GameWindow::showMessagePanel(bool show)
{
    vm.setVisible(QStringLiteral("Frame5"), show);
    vm.setChecked(QStringLiteral("Mess"), show);
}

// The description slides over the board and stops the game while it shows;
// closed, it leaves a paused game paused.
void GameWindow::GameCaption_Click()
{
    const bool show = !vm.visible(QStringLiteral("GameFrame"));
    vm.setVisible(QStringLiteral("GameFrame"), show);
    setGameClock(!show && !paused());
    if (show)
        host_.FocusBoard();
    vm.setChecked(QStringLiteral("Toolbar1.cop"), show);
}

// "關閉" on the description: the toolbar button keeps its pressed look.
void GameWindow::Command1_Click()
{
    vm.setVisible(QStringLiteral("GameFrame"), false);
    setGameClock(!paused());
    host_.FocusBoard();
}

void GameWindow::VScroll1_Change(int value) { vm.setPosition(QStringLiteral("LblGame"), 0, -value); }

void GameWindow::LinkMe_Click() { host_.OpenAddress(QString::fromLatin1(help::ContactAddress), false); }
void GameWindow::Halvern_Click() { host_.OpenAddress(QString::fromLatin1(help::SchoolAddress), true); }
