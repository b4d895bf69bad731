#include "WindowPlacement.h"

#include <algorithm>

namespace placement {

namespace {

// The start of a span of `length` at `wanted`, kept inside [first, first +
// room); a span longer than the room starts at `first`.
int within(int wanted, int first, int room, int length)
{
    return std::max(first, std::min(wanted, first + room - length));
}

} // namespace

QPoint centred(const QRect& area, QSize size)
{
    return {within(area.x() + (area.width() - size.width()) / 2, area.x(), area.width(), size.width()),
            within(area.y() + (area.height() - size.height()) / 2, area.y(), area.height(), size.height())};
}

Group arrange(const QRect& area, const Window& game, const Window& radar, const Window& help,
              std::optional<QPoint> gameAt, bool gameStays)
{
    const QSize g = game.frameSize(), r = radar.frameSize(), h = help.frameSize();
    const int column = std::max(r.width(), h.width()); // the side windows, left edges aligned
    const QSize group(g.width() + Gap + column,
                      std::max(g.height(), r.height() + Gap + h.height()));
    const QPoint wanted = gameAt ? *gameAt : centred(area, group);
    // A group wider than the area starts at its left edge, so the side
    // windows cover as little of the game window as they can.
    const QPoint at = gameStays && gameAt ? *gameAt
                                          : QPoint(within(wanted.x(), area.x(), area.width(), group.width()),
                                                   within(wanted.y(), area.y(), area.height(), group.height()));

    Group out;
    out.game = QRect(at, g);
    const int side = within(out.game.right() + 1 + Gap, area.x(), area.width(), column);
    out.radar = QRect(QPoint(side, within(at.y(), area.y(), area.height(), r.height())), r);
    out.help = QRect(QPoint(side, within(out.radar.bottom() + 1 + Gap, area.y(), area.height(), h.height())), h);
    return out;
}

} // namespace placement
