#include "GameWindow.h"
#include "TileCatalogue.h"

namespace {

struct Pickup {
    TileCode code;
    int score;
    int pp;
    const char* panelFirst;
    const char* panelSecond;
    const char* floating;
};

// What each eaten tile gives; the heart and the clock do more below.
constexpr Pickup Pickups[] = {
    {0, 6, 0, nullptr, nullptr, nullptr},
    {6, 10, 1, nullptr, nullptr, "PP+1"},
    {7, 0, 0, "得到生命之心", "生命+1", "生命+1"},
    {8, 25, 0, "得到時鐘並使用", "鬼的移動力降低3倍", "鬼移動力降3倍"},
    {9, 30, 0, nullptr, nullptr, nullptr},
    {10, 50, 3, nullptr, nullptr, "PP+3"},
    {11, 20, 0, nullptr, nullptr, nullptr},
    {12, 50, 5, nullptr, nullptr, "PP+5"},
    {13, 50, 10, nullptr, nullptr, "PP+10"},
    {14, 1, 0, "誤食腐爛的蘋果", "分數+1", nullptr},
};

} // namespace

void GameWindow::CheckEat()
{
    const int c = cellOf(m.SprX), r = cellOf(m.SprY);
    if (!Board::inside(c, r) || !tiles::isEaten(m.MapTile(c, r)))
        return;
    const TileCode code = m.MapTile(c, r);
    m.MapTile(c, r) = tiles::Floor;
    const Pickup* p = nullptr;
    for (const Pickup& candidate : Pickups)
        if (candidate.code == code)
            p = &candidate;
    if (!p)
        return;
    f.Score += p->score;
    if (p->pp) {
        f.PP = static_cast<std::int16_t>(f.PP + p->pp);
        if (f.PP > f.PPMax)
            f.PP = f.PPMax;
        ShowPPCaption();
    }
    if (code == 7) {
        ++m.Lives;
        vm.setText(QStringLiteral("Label6"), QString::number(m.Lives - 1));
    }
    if (code == 8) {
        f.GhoSlow = On;
        if (f.GhoSlowSec == 0)
            MvGhoTimer->setInterval(3 * m.GhoMvBase);
        f.GhoSlowSec = static_cast<std::int16_t>(f.GhoSlowSec + 10);
        GhoChkTimer->setEnabled(true);
        vm.setVisible(QStringLiteral("Label9"), true);
        vm.setVisible(QStringLiteral("Label8"), true);
        vm.setText(QStringLiteral("Label8"), QString::number(f.GhoSlowSec));
    }
    if (p->panelFirst)
        ShowPanelMessage(QString::fromUtf8(p->panelFirst), QString::fromUtf8(p->panelSecond));
    if (p->floating)
        ShowMessage(QString::fromUtf8(p->floating));
    host_.PlayEffect(code == tiles::SmallBall ? QStringLiteral("/wav/sm.wav") : QStringLiteral("/wav/bi.wav"));
}

bool GameWindow::CheckBall() const
{
    for (TileCode code : m.MapTile.cells)
        if (tiles::isBall(code))
            return true;
    return false;
}
