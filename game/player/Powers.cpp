#include "GameWindow.h"
#include "Passability.h"

// A: fifteen seconds of invisibility for 15 PP.
void GameWindow::UseInvisibility()
{
    if (f.PP < 15) {
        ShowPanelMessage(QStringLiteral("感到自身能量不足"), QStringLiteral("隱形不能"));
        ShowMessage(QStringLiteral("PP值不足"));
        return;
    }
    host_.PlayEffect(QStringLiteral("/wav/in.wav"));
    ShowPanelMessage(QStringLiteral("Mibbet使用自身能量"), QStringLiteral("隱形15秒"));
    f.PP = static_cast<std::int16_t>(f.PP - 15);
    ShowPPCaption();
    f.HideSec = static_cast<std::int16_t>(f.HideSec + 15);
    SprChkTimer->setEnabled(true);
    m.SprHide = On;
    vm.setVisible(QStringLiteral("Label3"), true);
    vm.setVisible(QStringLiteral("Label4"), true);
    vm.setText(QStringLiteral("Label4"), QString::number(f.HideSec));
    ShowMessage(QStringLiteral("PP-15"));
}

// C: from one staircase to the other.
void GameWindow::TunnelJump()
{
    const passability::Tunnel t = passability::tunnelEnds(m.MapTile);
    const int ax = t.a.col * 300, ay = t.a.row * 300, bx = t.b.col * 300, by = t.b.row * 300;
    if (m.SprX == ax && m.SprY == ay) {
        m.SprX = static_cast<std::int16_t>(bx);
        m.SprY = static_cast<std::int16_t>(by);
    } else if (m.SprX == bx && m.SprY == by) {
        m.SprX = static_cast<std::int16_t>(ax);
        m.SprY = static_cast<std::int16_t>(ay);
    } else {
        return;
    }
    ShowPanelMessage(QStringLiteral("發現通往不明方向的地道"), QStringLiteral("移動到另一地點"));
    SetFxPos();
}

// V: the blinking arrow over the character, on and off.
void GameWindow::ToggleLight()
{
    m.LightOn = On;
    LightTimer->setEnabled(!LightTimer->enabled());
    SetFxPos();
}

void GameWindow::LightTimer_Timer()
{
    effectTick([this] { DrawLight(); });
}

void GameWindow::DrawLight()
{
    if (m.LightOn == Off)
        return;
    FG.drawMasked(SpriteSet::LightPic, 12, f.FxFrame, m.LightX, m.LightY);
}
