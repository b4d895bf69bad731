#pragma once
#include "Board.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// A saved game, save/<name>.rgm: one value per line, each ended by CR LF.
// Numbers are decimal text, strings stand between double quotes, booleans
// are #TRUE# or #FALSE#.
namespace savedgame {

inline constexpr int Ghosts = 35;   // slots 0..34 are kept
inline constexpr int Lines = 675;

struct Ghost {
    bool Alive = false;
    std::int16_t X = 0, Y = 0; // twips, on whole cells
    std::int16_t Kind = 0;
    bool operator==(const Ghost&) const = default;
};

struct Record {
    std::int16_t Level = 0, Lives = 0, SprX = 0, SprY = 0, HideSec = 0, PP = 0, StageNo = 0;
    std::int32_t Score = 0;
    QString musicFile; // the music channel's file, full path
    QString ModeName;
    std::int16_t GhoAddNum = 0, GhoBaseNum = 0, LsCost = 0, GhoMvBase = 0, GhoMvStep = 0;
    std::array<Ghost, Ghosts> ghosts{};
    Board board; // column by column in the file
    bool operator==(const Record&) const = default;
};

// The first thing wrong with a file: its line (1-based) and what is wrong
// there, in the player's words.
struct Problem {
    int line = 0;
    QString what;
};

struct ParseResult {
    std::optional<Record> record; // set only when every line is valid
    Problem problem;
};

// Reads a whole file into a record, or says where it first goes wrong. A
// value the game cannot play from (a stage outside 0..10, a level outside
// 1..16, a position off the board, a ghost kind without a picture, a count
// below 0) is refused like text that is no value at all. Lines may end with
// LF alone; anything after line 675 is ignored.
ParseResult parse(const QByteArray& bytes);

// The exact file form, 675 lines with CR LF. Ghost positions are written
// rounded down to their cells; line breaks inside strings are dropped.
QByteArray format(const Record& record);

// Why a typed name (already trimmed of blanks) cannot name a file in save/,
// or empty when it can.
QString nameProblem(const QString& name);

} // namespace savedgame
