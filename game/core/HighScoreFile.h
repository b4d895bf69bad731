#pragma once
#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The table of the ten best scores, high.tm: for each entry, best first, a
// line with the name and a line with the score in decimal digits, every line
// ended by CR LF.
namespace highscores {

inline constexpr int Entries = 10;

// save/high.tm below the program's folder.
QString pathIn(const QString& appDir);

struct Entry {
    QString name;
    std::int64_t score = 0;
    bool operator==(const Entry&) const = default;
};
using Table = std::array<Entry, Entries>;

// The leading numeric part of a score line: optional blanks, an optional
// sign and digits; anything else reads as 0. Huge values stop at 15 digits.
std::int64_t scoreValue(QStringView line);

// Reads leniently: a line ends at LF (a CR before it is dropped), and missing
// lines read as an empty name and 0, so a damaged table still shows and the
// next write makes it whole again.
Table parse(const QByteArray& bytes);
Table read(const QString& path);

// The exact file form: 20 lines with CR LF.
QByteArray format(const Table& table);

// A name is kept on one line: line breaks are dropped.
QString oneLine(QString name);

// A typed name fits its row of the table: at most this many characters
// (full-width ones included), never half of a pair of surrogates. Names
// already in the file are shown as they are.
inline constexpr int MaxNameLength = 12;
QString typedName(const QString& typed);

// The entry a score takes: the first whose score is strictly below it; none
// when it beats nothing.
std::optional<int> placeFor(const Table& table, std::int64_t score);
// The table with a new entry at `place`; the old tenth entry drops out.
Table inserted(const Table& table, int place, const QString& name, std::int64_t score);

// Replaces the file in one step (a scratch file renamed over it once it is
// complete on disk), making the folder when it is missing. On failure the old
// file is untouched and `error` says why.
bool write(const QString& path, const Table& table, QString* error);

} // namespace highscores
