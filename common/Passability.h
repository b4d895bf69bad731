#pragma once
#include "Board.h"

// Where the character may go: the rule the game moves it by, and the rule
// the editor's map check follows.
namespace passability {

struct Cell {
    int col = 0, row = 0;
    bool operator==(const Cell&) const = default;
};

// Where the character and the ghosts start every stage.
inline constexpr Cell PlayerStart{1, 18};
inline constexpr Cell GhostStart{13, 3};

// The character may step onto the cell: it lies on the board and its tile
// does not block.
bool characterMayEnter(const Board& board, int col, int row);

// The two ends of the tunnel: the last 80 and the last 81 found column by
// column. A missing end counts as cell (0, 0), where a jump from the other
// end lands.
struct Tunnel {
    Cell a, b;
};
Tunnel tunnelEnds(const Board& board);

} // namespace passability
