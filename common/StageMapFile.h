#pragma once
#include "Board.h"

#include <QString>

#include <string>
#include <string_view>

// Stage map files: 520 decimal tile codes, column by column, each followed by CR LF.
namespace stagemap {

enum class ReadError {
    None,
    CannotOpen,   // missing or unreadable file
    TooFewValues, // the file ends before the 520th value
    NotANumber,   // a value is not a whole number
    OutOfRange,   // a value does not fit in 16 bits
};

struct ReadResult {
    ReadError error = ReadError::None;
    Board board;             // complete only when error is None
    int valuesRead = 0;      // values accepted before the error
    std::string badValue;    // the offending text for NotANumber / OutOfRange (shortened)
    bool ok() const { return error == ReadError::None; }
};

// Parses file contents. A value ends at a blank, a comma or a line end, so
// comma- or blank-separated files read like the one-per-line form; anything
// after the 520th value is ignored. A leading UTF-8 byte-order mark is skipped.
ReadResult parse(std::string_view text);

// Reads a file; never throws. Only the first few megabytes are looked at.
ReadResult read(const std::string& path);

// The exact file form of a board.
std::string format(const Board& board);

// Writes as every other file is written (safefile::write): whole or not at
// all, through a scratch file that can never replace another file, making
// the folder when it is missing. On failure `error` says why.
bool write(const std::string& path, const Board& board, QString* error = nullptr);

} // namespace stagemap
