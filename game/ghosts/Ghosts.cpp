#include "GameWindow.h"
#include "TileCatalogue.h"

namespace {

bool onCell(const GhoRec& g) { return g.X % 300 == 0 && g.Y % 300 == 0; }
bool vertical(int dir) { return dir == 0 || dir == 2; }

} // namespace

void GameWindow::DrawGhosts()
{
    for (int i = 0; i <= m.lastGhostSlot(); ++i) {
        GhoRec& g = m.GhoTab[i];
        if (g.Alive) {
            const auto set = static_cast<SpriteSet>(static_cast<int>(SpriteSet::BGhoPic) + g.Kind);
            FG.drawMasked(set, g.Dir + 4, g.Dir, g.X, g.Y);
        }
        g.Drawn = On;
    }
}

void GameWindow::MvGhoTimer_Timer() { MoveGhosts(); }

// Ghosts walk straight on and turn at random only where the way is blocked.
void GameWindow::MoveGhosts()
{
    for (int i = 0; i <= m.lastGhostSlot() && !closed_; ++i) {
        GhoRec& g = m.GhoTab[i];
        if (!g.Alive)
            continue;
        const auto step = [&] {
            const DirStep d = m.DirVec[g.Dir];
            g.X = static_cast<std::int16_t>(g.X + d.dx * 50);
            g.Y = static_cast<std::int16_t>(g.Y + d.dy * 50);
            CheckGhostContact();
        };
        if (!onCell(g)) {
            step();
            continue;
        }
        // The tile one cell ahead, or none off the board.
        const auto ahead = [&]() -> const TileCode* {
            const int c = g.X / 300 + m.DirVec[g.Dir].dx, r = g.Y / 300 + m.DirVec[g.Dir].dy;
            return Board::inside(c, r) ? &m.MapTile(c, r) : nullptr;
        };
        const TileCode* next = ahead();
        if (next && tiles::ghostMayEnter(*next, false)) {
            step();
        } else if (next) {
            // Blocked: a right angle at random, and back again where that is blocked too.
            const bool wasVertical = vertical(g.Dir);
            do
                g.Dir = static_cast<std::int16_t>(randomDirection());
            while (vertical(g.Dir) == wasVertical);
            next = ahead();
            if (next && tiles::ghostMayEnter(*next, true))
                step();
            else if (next)
                g.Dir = static_cast<std::int16_t>((g.Dir + 2) % 4);
            else
                g.Dir = static_cast<std::int16_t>(randomDirection());
        } else {
            g.Dir = static_cast<std::int16_t>(randomDirection());
        }
        LaserAndDrillTests(i);
    }
}
