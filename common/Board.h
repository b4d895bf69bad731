#pragma once
#include <array>
#include <cstdint>

// A tile code as stored in a cell and in the stage map files.
using TileCode = std::int16_t;

inline constexpr int BoardCols = 26;
inline constexpr int BoardRows = 20;
inline constexpr int BoardCells = BoardCols * BoardRows;

// The board, indexed (column, row) like the map files are ordered: column-major.
struct Board {
    std::array<TileCode, BoardCells> cells{};

    TileCode& operator()(int col, int row) { return cells[col * BoardRows + row]; }
    TileCode operator()(int col, int row) const { return cells[col * BoardRows + row]; }
    static bool inside(int col, int row) { return col >= 0 && col < BoardCols && row >= 0 && row < BoardRows; }
    bool operator==(const Board&) const = default;
};
