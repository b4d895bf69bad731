#include "GameState.h"

#include <algorithm>

int countTiles(const Board& board, TileCode code)
{
    return static_cast<int>(std::count(board.cells.begin(), board.cells.end(), code));
}
