#include "MapCheck.h"

#include "TileCatalogue.h"

#include <algorithm>
#include <deque>

namespace mapcheck {

using namespace passability;

namespace {

int indexOf(Cell c) { return c.col * BoardRows + c.row; }

std::array<Cell, 4> neighbours(Cell c)
{
    return {{{c.col, c.row - 1}, {c.col + 1, c.row}, {c.col, c.row + 1}, {c.col - 1, c.row}}};
}

} // namespace

// A breakable obstacle costs one break and is then walked on.
std::array<int, BoardCells> leastBreaks(const Board& board)
{
    std::array<int, BoardCells> cost;
    cost.fill(NoWay);
    std::deque<Cell> todo{PlayerStart};
    cost[indexOf(PlayerStart)] = 0;
    const Tunnel tunnel = tunnelEnds(board);
    while (!todo.empty()) {
        const Cell at = todo.front();
        todo.pop_front();
        const int here = cost[indexOf(at)];
        const auto reach = [&](Cell to, int breaks) {
            if (here + breaks >= cost[indexOf(to)])
                return;
            cost[indexOf(to)] = here + breaks;
            if (breaks == 0)
                todo.push_front(to);
            else
                todo.push_back(to);
        };
        for (Cell n : neighbours(at)) {
            if (characterMayEnter(board, n.col, n.row))
                reach(n, 0);
            else if (Board::inside(n.col, n.row) && tiles::isBreakable(board(n.col, n.row)))
                reach(n, 1);
        }
        // The C key on a staircase.
        if (at == tunnel.a)
            reach(tunnel.b, 0);
        else if (at == tunnel.b)
            reach(tunnel.a, 0);
    }
    return cost;
}

Report check(const Board& board)
{
    Report r;
    const std::array<int, BoardCells> cost = leastBreaks(board);
    for (int c = 0; c < BoardCols; ++c)
        for (int row = 0; row < BoardRows; ++row) {
            const TileCode code = board(c, row);
            r.ends80 += code == 80;
            r.ends81 += code == 81;
            if (!tiles::isBall(code))
                continue;
            ++r.balls;
            const int breaks = cost[indexOf({c, row})];
            if (breaks == NoWay) {
                r.unreachable.push_back({c, row});
            } else if (breaks > 0) {
                r.drillOnly.push_back({c, row});
                r.leastPP = std::max(r.leastPP, breaks);
            }
        }
    if (!r.tunnelPaired())
        for (int c = 0; c < BoardCols; ++c)
            for (int row = 0; row < BoardRows; ++row)
                if (tiles::isTunnelEnd(board(c, row)))
                    r.loneStairs.push_back({c, row});
    r.startBlocked = !characterMayEnter(board, PlayerStart.col, PlayerStart.row);
    r.ghostsWalledIn = true;
    for (Cell n : neighbours(GhostStart))
        if (Board::inside(n.col, n.row) && tiles::ghostMayEnter(board(n.col, n.row), false))
            r.ghostsWalledIn = false;
    return r;
}

std::vector<Cell> Report::cells() const
{
    std::vector<Cell> all = unreachable;
    all.insert(all.end(), drillOnly.begin(), drillOnly.end());
    all.insert(all.end(), loneStairs.begin(), loneStairs.end());
    if (startBlocked)
        all.push_back(PlayerStart);
    if (ghostsWalledIn)
        all.push_back(GhostStart);
    return all;
}

} // namespace mapcheck
