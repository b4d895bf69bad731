#include "GameWindow.h"
#include "TileCatalogue.h"

namespace {

bool onCell(const GhoRec& g) { return g.X % 300 == 0 && g.Y % 300 == 0; }

void step(GhoRec& g, const DirStep& d)
{
    g.X = static_cast<std::int16_t>(g.X + d.dx * 50);
    g.Y = static_cast<std::int16_t>(g.Y + d.dy * 50);
}

} // namespace

void GameWindow::DrawGhosts()
{
    for (int i = 0; i <= m.lastGhostSlot() && i < GhostSlots; ++i) {
        GhoRec& g = m.GhoTab[i];
        if (g.Alive) {
            const auto set = static_cast<SpriteSet>(static_cast<int>(SpriteSet::BGhoPic) + (g.Kind % 3));
            FG.drawMasked(set, (g.Dir & 3) + 4, g.Dir & 3, g.X, g.Y);
        }
        g.Drawn = On;
    }
}

void GameWindow::MvGhoTimer_Timer() { MoveGhosts(); }

// Ghosts walk straight on and turn at random only where the way is blocked.
void GameWindow::MoveGhosts()
{
    const auto randomDir = [this] { return static_cast<std::int16_t>(randomDirection()); };
    for (int i = 0; i <= m.lastGhostSlot() && i < GhostSlots; ++i) {
        GhoRec& g = m.GhoTab[i];
        if (!g.Alive)
            continue;
        if (!onCell(g)) {
            step(g, m.DirVec[g.Dir & 3]);
            CheckGhostContact();
            continue;
        }
        const auto ahead = [&](std::int16_t dir, int& c, int& r) {
            const DirStep d = m.DirVec[dir & 3];
            c = (g.X + d.dx * f.CellSize) / f.CellSize;
            r = (g.Y + d.dy * f.CellSize) / f.CellSize;
            return Board::inside(c, r);
        };
        int c = 0, r = 0;
        if (!ahead(g.Dir, c, r)) {
            g.Dir = randomDir();
        } else if (tiles::ghostMayEnter(m.MapTile(c, r), false)) {
            step(g, m.DirVec[g.Dir & 3]);
            CheckGhostContact();
        } else {
            const bool vertical = g.Dir == 0 || g.Dir == 2;
            std::int16_t turn;
            do
                turn = randomDir();
            while (vertical ? (turn != 1 && turn != 3) : (turn != 0 && turn != 2));
            g.Dir = turn;
            if (!ahead(g.Dir, c, r)) {
                g.Dir = randomDir();
            } else if (tiles::ghostMayEnter(m.MapTile(c, r), true)) {
                step(g, m.DirVec[g.Dir & 3]);
                CheckGhostContact();
            } else {
                g.Dir = static_cast<std::int16_t>((g.Dir + 2) % 4);
            }
        }
        LaserAndDrillTests(i);
    }
}
