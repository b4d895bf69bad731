#include "GameProgram.h"
#include "GameWindow.h"

namespace {
const QString Confirm = QStringLiteral("確定訊息");
}

void GameWindow::RestartGame()
{
    if (host_.AskYesNo(QStringLiteral("是否要重新開始?"), Confirm))
        program_.backToModeWindow();
}

void GameWindow::QuitGame()
{
    if (host_.AskYesNo(QStringLiteral("是否真的要離開?"), Confirm))
        program_.gameWindowClosed();
}
