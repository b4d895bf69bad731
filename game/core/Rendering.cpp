#include "GameWindow.h"
#include "Modes.h"

void GameWindow::DrawBoard()
{
    vm.setText(QStringLiteral("Label21"), QString::number(countTiles(m.MapTile, 0)));
    vm.setText(QStringLiteral("Label22"), QString::number(countTiles(m.MapTile, 6)));
    vm.setText(QStringLiteral("Caption"), gameWindowCaption(m.ModeName));
}
