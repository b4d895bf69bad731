#include "GameWindow.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int LastX = 7500, LastY = 5700; // origins of column 25 and row 19

struct Line {
    std::int16_t dir, frame;
};

// The straight line from the character to the target, tried up, right, down,
// left; none when the target is the character's cell, off its row and column,
// or off the board.
std::optional<Line> lineTo(int tx, int ty, int x, int y)
{
    if (tx == x && 0 <= ty && ty < y)
        return Line{0, 1};
    if (x < tx && tx <= LastX && ty == y)
        return Line{1, 2};
    if (y < ty && ty <= LastY && tx == x)
        return Line{2, 3};
    if (0 <= tx && tx < x && ty == y)
        return Line{3, 0};
    return std::nullopt;
}

} // namespace

// The origin of the cell under a pointer position; left of and above the
// board the origins go negative (the remainder keeps the sign of v).
int GameWindow::snapToCell(double v)
{
    const long r = std::lrint(v); // halves to even, like the final rounding
    const double snapped = std::nearbyint(v - static_cast<double>(r % 300));
    return static_cast<int>(std::clamp(snapped, -32700.0, 32700.0));
}

void GameWindow::setMouseTarget(double x, double y)
{
    if (m.SprMoving != Off)
        return;
    f.MouseX = static_cast<std::int16_t>(snapToCell(x));
    f.MouseY = static_cast<std::int16_t>(snapToCell(y));
}

void GameWindow::FG_MouseDown(int button, Qt::KeyboardModifiers, double x, double y)
{
    if (vm.enabled(QStringLiteral("EndFm")))
        return; // the game is over
    setMouseTarget(x, y);
    if (button == LeftButton && m.SprMoving == Off)
        MouseTimer->setEnabled(true);
    if (button == MiddleButton) {
        m.ChiOn = m.ChiKey = On;
        ChiTimer->setEnabled(true);
    }
    if (button == RightButton) {
        m.Ls1On = m.Ls2On = m.LsKey = On;
        LsTimer->setEnabled(true);
    }
}

void GameWindow::FG_MouseUp(int button, Qt::KeyboardModifiers, double, double)
{
    if (button == MiddleButton) {
        ChiTimer->setEnabled(false);
        m.ChiKey = m.ChiOn = Off;
    } else if (button == RightButton) {
        m.Ls1On = m.Ls2On = m.LsKey = Off;
        LsTimer->setEnabled(false);
    }
}

void GameWindow::FG_MouseMove(int buttons, Qt::KeyboardModifiers, double x, double y)
{
    if (vm.enabled(QStringLiteral("EndFm")))
        return;
    setMouseTarget(x, y);
    if (buttons == LeftButton && m.SprMoving == Off)
        MouseTimer->setEnabled(true);
    const int tx = f.MouseX, ty = f.MouseY;
    static const char* const arrows[] = {"MoiUp", "MoiRight", "MoiDown", "MoiLeft"};
    if (const auto line = lineTo(tx, ty, m.SprX, m.SprY))
        vm.setImage(QStringLiteral("FG"), QString::fromLatin1(arrows[line->dir]));
    else if ((tx == m.SprX && ty == m.SprY) || (tx != m.SprX && ty != m.SprY))
        vm.setImage(QStringLiteral("FG"), QStringLiteral("MoiC"));
    // A target off the board in the character's row or column keeps the pointer.
}

// One steering tick: turn towards a target in line, or walk one cell towards
// it; stop at the target, at an obstacle, or after a turn.
void GameWindow::MouseTimer_Timer()
{
    const int tx = f.MouseX, ty = f.MouseY;
    if (const auto line = lineTo(tx, ty, m.SprX, m.SprY)) {
        const bool hit = CheckSpriteHit();
        if (hit || m.SprDir != line->dir || f.MsgBusy != Off) {
            MouseTimer->setEnabled(false);
            // A move the keys started finishes in its own direction: turned
            // half-way, it would end between two cells, or off the board.
            if (m.SprMoving != Off && m.SprDir != line->dir)
                return;
            m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = line->dir;
            f.SprFrame = line->frame;
            CheckEat();
            SetFxPos();
        } else {
            m.SprMoving = On;
            SprMovTimer->setEnabled(true);
        }
    }
    if (CheckSpriteHit() || f.MsgBusy != Off)
        MouseTimer->setEnabled(false);
    else if (m.SprX == tx && m.SprY == ty)
        MouseTimer->setEnabled(false);
}
