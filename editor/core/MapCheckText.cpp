#include "MapCheckText.h"

#include <QStringList>

namespace mapcheck {

QString text(const Report& r)
{
    QStringList lines{r.finishable() ? QStringLiteral("這張地圖可以過關。") : QStringLiteral("這張地圖無法過關：")};
    // What makes it impossible first, then what only makes it harder or easier.
    if (r.balls == 0)
        lines << QStringLiteral("地圖上沒有任何球。");
    if (!r.unreachable.empty())
        lines << QStringLiteral("%1 顆球從起點 (1, 18) 走不到，鑽子也打不通。").arg(r.unreachable.size());
    if (r.startBlocked)
        lines << QStringLiteral("起點 (1, 18) 是障礙物，主角無法站在上面。");
    if (!r.tunnelPaired())
        lines << QStringLiteral("地道圖塊不成對：編號80有 %1 個，編號81有 %2 個。").arg(r.ends80).arg(r.ends81);
    if (!r.drillOnly.empty())
        lines << QStringLiteral("%1 顆球要用鑽子打破障礙物才吃得到，至少需要 %2 PP。").arg(r.drillOnly.size()).arg(r.leastPP);
    if (r.ghostsWalledIn)
        lines << QStringLiteral("鬼怪的起點 (13, 3) 四面被圍住，鬼怪出不來。");
    return lines.join(QLatin1Char('\r'));
}

} // namespace mapcheck
