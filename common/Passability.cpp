#include "Passability.h"

#include "TileCatalogue.h"

namespace passability {

bool characterMayEnter(const Board& board, int col, int row)
{
    return Board::inside(col, row) && !tiles::blocksCharacter(board(col, row));
}

Tunnel tunnelEnds(const Board& board)
{
    Tunnel t;
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r) {
            if (board(c, r) == 80)
                t.a = {c, r};
            if (board(c, r) == 81)
                t.b = {c, r};
        }
    return t;
}

} // namespace passability
