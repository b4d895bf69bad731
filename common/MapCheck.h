#pragma once
#include "Board.h"
#include "Passability.h"

#include <array>
#include <climits>
#include <vector>

// Whether a stage map can be finished: every ball must be eaten, so every
// ball must be reachable from the character's start cell.
namespace mapcheck {

using passability::Cell;

struct Report {
    int balls = 0;
    // Balls no way reaches, walking, through the tunnel or drilling.
    std::vector<Cell> unreachable;
    // Balls reached only through obstacles the drill breaks (1 PP each), and
    // the breaks the farthest of them takes at least.
    std::vector<Cell> drillOnly;
    int leastPP = 0;
    bool startBlocked = false; // the character's start cell holds an obstacle
    int ends80 = 0, ends81 = 0;
    std::vector<Cell> loneStairs; // every staircase, when they are no pair
    bool ghostsWalledIn = false;  // no ghost can leave its start cell

    bool tunnelPaired() const { return (ends80 == 1 && ends81 == 1) || (ends80 == 0 && ends81 == 0); }
    // Nothing stands in the way but obstacles the drill breaks; walled-in
    // ghosts make a stage easy, not impossible.
    bool finishable() const { return balls > 0 && unreachable.empty() && !startBlocked && tunnelPaired(); }
    // The cells the findings are about.
    std::vector<Cell> cells() const;
};

Report check(const Board& board);

// The fewest obstacles the drill has to break for the character to stand on
// each cell (index column * BoardRows + row), from its start cell; NoWay
// where nothing leads. Walking and the tunnel cost nothing.
inline constexpr int NoWay = INT_MAX;
std::array<int, BoardCells> leastBreaks(const Board& board);

} // namespace mapcheck
