#include "GameWindow.h"
#include "TileCatalogue.h"

namespace {

const QString Notice = QStringLiteral("使用測試快速鍵");

// What eating each code is worth when the board is cleared at once.
int clearValue(TileCode code)
{
    switch (code) {
    case 0: return 6;
    case 6: return 10;
    case 8: return 25;
    case 9: return 30;
    case 10: return 50;
    case 11: return 20;
    case 12: return 50;
    case 13: return 50;
    case 14: return 1;
    default: return 0;
    }
}

} // namespace

void GameWindow::toolResult(const QString& result) { ShowPanelMessage(Notice, result); }

// Ghosts at a 2 ms step, and back to the stage's pace through the status refresh.
void GameWindow::Tool0_Click()
{
    if (!toolsOn())
        return;
    const int period = MvGhoTimer->interval();
    if (period > 2) {
        f.GhoSlow = On;
        MvGhoTimer->setInterval(2);
        toolResult(QStringLiteral("鬼的移動加快至五百分之一秒"));
    } else if (period == 2) {
        f.GhoSlow = Off;
        toolResult(QStringLiteral("鬼的移動變正常"));
    }
}

void GameWindow::Tool1_Click()
{
    if (!toolsOn())
        return;
    MvGhoTimer->setEnabled(!MvGhoTimer->enabled());
    toolResult(QStringLiteral("開啟or關閉鬼的移動"));
}

// Level 16, or back to level 1 with the score and PP that go with it.
void GameWindow::Tool2_Click()
{
    if (!toolsOn())
        return;
    if (m.Level < 16) {
        m.Level = 16;
        toolResult(QStringLiteral("等級最大"));
    } else {
        m.Level = 1;
        f.Score = 0;
        f.PP = 10;
        // The ceiling drops with the level at once, not at the next status
        // refresh: PP+10 right after this must stop at the new ceiling.
        f.PPMax = static_cast<std::int16_t>(m.ppCeiling());
        ShowPPCaption();
        vm.setText(QStringLiteral("Label1"), Notice);
    }
}

void GameWindow::Tool3_Click()
{
    if (!toolsOn())
        return;
    f.PP = static_cast<std::int16_t>(std::min<int>(f.PP + 10, f.PPMax));
    toolResult(QStringLiteral("PP值+10"));
    ShowPPCaption();
}

// The cell in front, found as the blocking test finds it: river to floor,
// anything else to river.
void GameWindow::Tool4_Click()
{
    if (!toolsOn())
        return;
    const DirStep d = m.DirVec[m.SprDir & 3];
    const int c = cellOf(m.SprX + d.dx * f.CellSize), r = cellOf(m.SprY + d.dy * f.CellSize);
    if (!Board::inside(c, r))
        return;
    TileCode& cell = m.MapTile(c, r);
    if (cell >= 20 && cell <= 28) {
        cell = 15;
        toolResult(QStringLiteral("角色前方河流變通道"));
    } else {
        cell = 20;
        toolResult(QStringLiteral("角色前方通道變河流"));
    }
}

// Everything eaten at once, the stage's ghosts gone, and one ball left beside
// the start cell: eating it ends the stage.
void GameWindow::Tool5_Click()
{
    if (!toolsOn())
        return;
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r) {
            f.Score += clearValue(m.MapTile(c, r));
            m.MapTile(c, r) = 15;
        }
    const int last = m.lastGhostSlot();
    for (int i = 0; i <= last; ++i)
        m.GhoTab[i].Alive = false;
    m.MapTile(2, 18) = 0;
    toolResult(QStringLiteral("清空所有物件"));
}

void GameWindow::Tool6_Click()
{
    if (!toolsOn())
        return;
    if (f.TimeLeft > 5) {
        f.TimeLeft = 5;
        toolResult(QStringLiteral("限制時間5秒化"));
    } else {
        f.TimeLeft = 1800;
        toolResult(QStringLiteral("限制時間30分鐘化"));
    }
}

void GameWindow::Tool7_Click()
{
    if (!toolsOn())
        return;
    m.Lives = 100;
    vm.setText(QStringLiteral("Label6"), QStringLiteral("99"));
}

// Invisibility on without paying for it, or off at once.
void GameWindow::Tool8_Click()
{
    if (!toolsOn())
        return;
    const bool on = m.SprHide == Off;
    m.SprHide = on ? On : Off;
    SprChkTimer->setEnabled(on);
    vm.setVisible(QStringLiteral("Label3"), on);
    vm.setVisible(QStringLiteral("Label4"), on);
    f.HideSec = on ? static_cast<std::int16_t>(f.HideSec + 999) : 0;
    vm.setText(QStringLiteral("Label4"), QString::number(f.HideSec));
    toolResult(on ? QStringLiteral("隱形打開") : QStringLiteral("隱形關閉"));
    if (on)
        host_.PlayEffect(QStringLiteral("/wav/in.wav"));
}

void GameWindow::Tool9_Click()
{
    if (!toolsOn())
        return;
    f.Score += 1000;
    toolResult(QStringLiteral("分數+1000"));
}
