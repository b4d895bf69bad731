#include "GameWindow.h"
#include "Passability.h"
#include "TileCatalogue.h"

#include <cmath>

// Halves go to the even cell, as the default rounding of the floating point
// unit does (450 twips lie in cell 2, and so do 750).
int GameWindow::cellOf(int twips) { return static_cast<int>(std::nearbyint(twips / 300.0)); }

void GameWindow::FG_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (vm.visible(QStringLiteral("EndFm")))
        return;
    // The test tools' chords come before the pause test: they work while paused.
    if ((modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) ==
        (Qt::ControlModifier | Qt::AltModifier)) {
        if (key == ToolsOnKey)
            vm.setEnabled(QStringLiteral("Tool"), true);
        else if (key == ToolsOffKey)
            vm.setEnabled(QStringLiteral("Tool"), false);
    }
    const bool paused = this->paused();
    // Special keys first; all but Enter wait while the game is paused.
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PauseGame();
        return;
    case Qt::Key_A:
        if (!paused)
            UseInvisibility();
        break;
    case Qt::Key_C:
        if (!paused)
            TunnelJump();
        break;
    case Qt::Key_V:
        if (!paused)
            ToggleLight();
        break;
    case Qt::Key_X:
        if (!paused) {
            m.ChiOn = m.ChiKey = On;
            ChiTimer->setEnabled(true);
        }
        break;
    case Qt::Key_Z:
        if (!paused) {
            m.Ls1On = m.Ls2On = m.LsKey = On;
            LsTimer->setEnabled(true);
        }
        break;
    default:
        break;
    }
    if (m.SprMoving != Off || paused)
        return;
    switch (key) {
    case Qt::Key_Left: turnOrMove(3, 0); break;
    case Qt::Key_Up: turnOrMove(0, 1); break;
    case Qt::Key_Right: turnOrMove(1, 2); break;
    case Qt::Key_Down: turnOrMove(2, 3); break;
    default: break;
    }
}

// Releasing X stops the drill, releasing Z the laser, paused or not.
void GameWindow::FG_KeyUp(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_X) {
        ChiTimer->setEnabled(false);
        m.ChiKey = m.ChiOn = Off;
    } else if (key == Qt::Key_Z) {
        LsTimer->setEnabled(false);
        m.LsKey = m.Ls1On = m.Ls2On = Off;
    }
}

// A new direction (or a blocked one, or any key while a death message is up)
// only turns the character; the same free direction walks one cell.
void GameWindow::turnOrMove(std::int16_t dir, std::int16_t frame)
{
    const bool hit = CheckSpriteHit();
    if (hit || m.SprDir != dir || f.MsgBusy != Off) {
        m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = dir;
        f.SprFrame = frame;
        CheckEat();
        SetFxPos();
        return;
    }
    m.SprMoving = On;
    SprMovTimer->setEnabled(true);
}

void GameWindow::SprMovTimer_Timer()
{
    if (m.SprMoving == On) {
        if (m.SprStep == 6) {
            m.SprStep = 0;
            m.SprMoving = Off;
            SprMovTimer->setEnabled(false);
        } else {
            const DirStep d = m.DirVec[m.SprDir & 3];
            m.SprX = static_cast<std::int16_t>(m.SprX + d.dx * 50);
            m.SprY = static_cast<std::int16_t>(m.SprY + d.dy * 50);
            ++m.SprStep;
        }
    }
    CheckEat();
    SetFxPos();
}

bool GameWindow::CheckSpriteHit() const
{
    const DirStep d = m.DirVec[m.SprDir & 3];
    const int c = cellOf(m.SprX + d.dx * f.CellSize);
    const int r = cellOf(m.SprY + d.dy * f.CellSize);
    return !passability::characterMayEnter(m.MapTile, c, r);
}

void GameWindow::SetFxPos()
{
    const auto at = [&](std::int16_t dir, int cells, std::int16_t& x, std::int16_t& y) {
        const DirStep d = m.DirVec[dir & 3];
        x = static_cast<std::int16_t>(m.SprX + cells * d.dx * 300);
        y = static_cast<std::int16_t>(m.SprY + cells * d.dy * 300);
    };
    at(m.Ls1Dir, 1, m.Ls1X, m.Ls1Y);
    at(m.Ls2Dir, 2, m.Ls2X, m.Ls2Y);
    at(m.ChiDir, 1, m.ChiX, m.ChiY);
    m.LightX = m.SprX;
    m.LightY = static_cast<std::int16_t>(m.SprY - 300);
}

void GameWindow::DrawSprite()
{
    const int picture = m.SprHide != Off ? f.SprFrame + 4 : f.SprFrame;
    FG.drawMasked(SpriteSet::SprPic, f.SprFrame + 8, picture, m.SprX, m.SprY);
    const int c = cellOf(m.SprX), r = cellOf(m.SprY);
    if (Board::inside(c, r) && tiles::isTunnelEnd(m.MapTile(c, r)))
        ShowMessage(QStringLiteral("C鍵地道移動"));
}
