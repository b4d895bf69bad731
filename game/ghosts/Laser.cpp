#include "GameWindow.h"
#include "TileCatalogue.h"

void GameWindow::LsTimer_Timer()
{
    effectTick([this] { DrawLaser(); });
}

void GameWindow::DrawLaser()
{
    if (m.Ls1On == Off || m.Ls2On == Off)
        return;
    FG.drawMasked(SpriteSet::Ls1Pic, 12 + f.SprFrame, f.SprFrame + f.FxFrame, m.Ls1X, m.Ls1Y);
    FG.drawMasked(SpriteSet::Ls2Pic, 12 + f.SprFrame, f.SprFrame + f.FxFrame, m.Ls2X, m.Ls2Y);
}

void GameWindow::LaserAndDrillTests(int i)
{
    GhoRec& g = m.GhoTab[i];
    // The drill never hurts a ghost; the ghost only dodges.
    if (g.Drawn != Off && m.ChiKey != Off && Touches(g.X, g.Y, m.ChiX, m.ChiY))
        ShowPanelMessage(QStringLiteral("鬼使出影子閃躲絕招"), QStringLiteral("無法擊中鬼"));

    const bool beamOn = m.LsKey != Off && m.Ls1On != Off && m.Ls2On != Off;
    // An obstacle in the near cell shields the far one. With the far cell on
    // the board the near one is too: it lies between that and the player.
    const bool farOnBoard = m.Ls2X >= 0 && m.Ls2X <= (BoardCols - 1) * f.CellSize && m.Ls2Y >= 0 &&
                            m.Ls2Y <= (BoardRows - 1) * f.CellSize;
    if (farOnBoard && tiles::shieldsLaser(m.MapTile(cellOf(m.Ls1X), cellOf(m.Ls1Y))) &&
        Touches(g.X, g.Y, m.Ls2X, m.Ls2Y) && beamOn) {
        ShowPanelMessage(QStringLiteral("雷射光被阻礙物削弱"), QStringLiteral("無法有效的打死鬼"));
        ShowMessage(QStringLiteral("前方有阻礙物"));
        return;
    }
    if (!beamOn)
        return;
    if (!Touches(g.X, g.Y, m.Ls1X, m.Ls1Y) && !Touches(g.X, g.Y, m.Ls2X, m.Ls2Y))
        return;
    if (f.PP < m.LsCost) {
        if (g.Drawn != Off && g.Alive) {
            ShowPanelMessage(QStringLiteral("感到雷射光芒減弱，能量不足"), QStringLiteral("無法有效的打死鬼"));
            ShowMessage(QStringLiteral("PP值不足"));
        }
        return;
    }
    if (g.Alive && g.Drawn != Off) {
        g.Alive = false;
        g.Drawn = Off;
        f.PP = static_cast<std::int16_t>(f.PP - m.LsCost);
        f.Score += 20;
        ShowPPCaption();
        ShowMessage(QStringLiteral("PP-") + QString::number(m.LsCost));
    }
}
