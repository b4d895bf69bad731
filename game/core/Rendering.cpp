#include "GameWindow.h"
#include "Modes.h"
#include "TileCatalogue.h"

// One frame, in this order: the whole board is repainted first, so nothing
// drawn in the previous frame survives.
void GameWindow::Timer1_Timer()
{
    DrawBoard();
    DrawSprite();
    DrawGhosts();
    CheckStage();
}

void GameWindow::DrawBoard()
{
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r)
            FG.copyTile(m.MapTile(c, r), c, r);
    vm.setText(QStringLiteral("Label21"), QString::number(countTiles(m.MapTile, tiles::SmallBall)));
    vm.setText(QStringLiteral("Label22"), QString::number(countTiles(m.MapTile, tiles::BigBall)));
    // The music starts with the first frame of a game and after a load, not
    // after it was merely stopped.
    if (host_.MusicNotOpen() && host_.GameWindowVisible())
        host_.StartMusic();
    vm.setText(QStringLiteral("Caption"), caption());
}

QString GameWindow::caption() const { return m.testGame() ? testGameCaption() : gameWindowCaption(m.ModeName); }

// The laser, drill and light share one animation phase, 0, 4 or 8 when they
// draw; every tick of any of them moves it on.
void GameWindow::effectTick(const std::function<void()>& draw)
{
    if (f.FxFrame >= 12)
        f.FxFrame = 0;
    draw();
    f.FxFrame = static_cast<std::int16_t>(f.FxFrame + 4);
}

// Tile animation: river, campfire, bush and snowman cells step to their next picture.
void GameWindow::GifOneTimer_Timer()
{
    for (TileCode& code : m.MapTile.cells)
        code = tiles::animationSuccessor(code);
}
