#include "GameWindow.h"

bool GameWindow::Touches(int ax, int ay, int bx, int by)
{
    const auto close = [](int d) { return d == -100 || d == -50 || d == 0 || d == 50 || d == 100; };
    return (ax == bx && close(ay - by)) || (ay == by && close(ax - bx));
}

void GameWindow::CheckGhostContact()
{
    // A death makes the player untouchable, which ends the test for the rest.
    for (int j = 0; j <= m.lastGhostSlot() && !closed_; ++j) {
        const GhoRec& g = m.GhoTab[j];
        if (g.Alive && m.SprHide == Off && Touches(g.X, g.Y, m.SprX, m.SprY))
            deathSequence(j);
    }
}

// A ghost caught the player.
void GameWindow::deathSequence(int ghost)
{
    GameTimer->setEnabled(false);
    SprMovTimer->setEnabled(false);
    f.MsgBusy = On;
    host_.MsgBoxPlain(QStringLiteral("哇!Mibbet死掉了"));
    f.MsgBusy = Off;
    if (closed_)
        return;
    m.SprMoving = Off;
    m.SprStep = 0;
    GameTimer->setEnabled(true);
    GhoRec& g = m.GhoTab[ghost];
    g.X = static_cast<std::int16_t>(13 * f.CellSize);
    g.Y = static_cast<std::int16_t>(3 * f.CellSize);
    m.Ls1On = m.Ls2On = m.ChiOn = Off;
    ChiTimer->setEnabled(false);
    LsTimer->setEnabled(false);
    m.SprX = 300;
    m.SprY = 5400;
    SetFxPos();
    startInvincibility();
    --m.Lives;
    vm.setText(QStringLiteral("Label6"), QString::number(m.Lives - 1));
    if (m.Lives <= 0)
        GameOver(false);
}

// Five untouchable seconds after losing a life, on the invisibility countdown.
void GameWindow::startInvincibility()
{
    f.HideSec = static_cast<std::int16_t>(f.HideSec + 5);
    SprChkTimer->setEnabled(true);
    m.SprHide = On;
    vm.setVisible(QStringLiteral("Label3"), true);
    vm.setVisible(QStringLiteral("Label4"), true);
    ShowMessage(QStringLiteral("無敵5秒"));
}

// Invisibility and the invincibility after a death share this countdown.
void GameWindow::SprChkTimer_Timer()
{
    if (f.HideSec != 0) {
        --f.HideSec;
        vm.setText(QStringLiteral("Label4"), QString::number(f.HideSec));
    }
    if (f.HideSec == 0) {
        SprChkTimer->setEnabled(false);
        m.SprHide = Off;
        vm.setVisible(QStringLiteral("Label3"), false);
        vm.setVisible(QStringLiteral("Label4"), false);
    }
}
