#include "GameWindow.h"
#include "TileCatalogue.h"

namespace {

struct Refusal {
    int first, last;
    const char* reason;
};

// The drill's refusals, in code order (no code has two); breakable codes are
// handled apart.
constexpr Refusal Refusals[] = {
    {1, 1, "此岩石堅硬無比"},
    {61, 64, "前方阻礙物太巨大"},
    {66, 74, "前方阻礙物太巨大"},
    {105, 122, "前方阻礙物太巨大"},
    {50, 53, "破壞營火會出現更多鬼怪"},
    {55, 58, "你不可以破壞環境生態"},
    {76, 77, "這是古代人的墳墓，你不可以破壞他"},
    {78, 78, "被怨靈保護的水井，你不可以破壞他"},
    {79, 79, "這是古代人的巨大遺骸，你不可以破壞他"},
    {84, 87, "具有生命的雪人"},
    {100, 100, "這是古代神的神位，你不可以破壞他"},
    {101, 103, "你不可以破壞環境生態"},
};

TileCode rubbleOf(TileCode code)
{
    switch (code) {
    case 2: return 43;
    case 4: return 45;
    case 5: return 46;
    case 90: return 93;
    case 91: return 94;
    case 92: return 95;
    default: return code; // the dead tree only changes on a lucky roll
    }
}

} // namespace

void GameWindow::ChiTimer_Timer()
{
    effectTick([this] {
        DrawChi();
        ChiBreak();
    });
}

void GameWindow::DrawChi()
{
    if (m.ChiOn == Off)
        return;
    FG.drawMasked(SpriteSet::ChiPic, f.SprFrame + 12, f.SprFrame + f.FxFrame, m.ChiX, m.ChiY);
}

void GameWindow::ChiBreak()
{
    host_.Randomize();
    const int c = cellOf(m.ChiX), r = cellOf(m.ChiY);
    if (!Board::inside(c, r))
        return;
    const int h = static_cast<int>(host_.Rnd() * 1000 + 1) % 37;
    TileCode& cell = m.MapTile(c, r);
    for (const Refusal& refusal : Refusals) {
        if (cell >= refusal.first && cell <= refusal.last) {
            ShowPanelMessage(QString::fromUtf8(refusal.reason), QStringLiteral("無法破除阻礙物"));
            return;
        }
    }
    if (!tiles::isBreakable(cell))
        return;
    if (f.PP <= 0) {
        if (f.PP == 0) { // below 0 it gives up without a word
            ShowPanelMessage(QStringLiteral("感到鑽子無力，能量不足"), QStringLiteral("無法破除阻礙物"));
            ShowMessage(QStringLiteral("PP值不足"));
        }
        return;
    }
    const bool lucky = h == 1 || h == 7 || h == 11 || h == 17 || h == 21 || h == 31;
    if (lucky) {
        cell = static_cast<TileCode>(host_.Rnd() * 7 + 8); // one of the items 8..14
    } else {
        const TileCode rubble = rubbleOf(cell);
        if (rubble == cell)
            return; // nothing happens to a dead tree, and it costs nothing
        cell = rubble;
    }
    f.PP = static_cast<std::int16_t>(f.PP - 1);
    ShowPPCaption();
    ShowMessage(QStringLiteral("PP-1"));
    f.Score += 5;
}
