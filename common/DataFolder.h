#pragma once
#include <QByteArray>
#include <QString>

// Where both programs keep the files they read and write. Both ask here, so
// a map the editor saves is the map the game plays.
namespace datafolder {

struct Place {
    QString data;     // holds map/ and save/, read and written
    QString shipped;  // holds wav/ and bgm/, and what a new player's folder starts with; only read
    QString problem;  // why the player's own folder cannot be used, in the player's words; empty when it can
    QString unseeded; // what could not be copied into the player's folder, which is used all the same
};

// The name of the list, in the shipped data, of every version of each seeded
// file that was ever shipped: lines of a SHA-256 in hex, two blanks and the
// file's path below the data folder, as sha256sum writes them.
inline constexpr char ShippedVersions[] = "shipped-versions.sha256";

// programDir is the program's own folder, playerDir the player's own
// (see playerFolder). The decision:
//  - map/ and save/ beside the program, save/ writable (the build folder, a
//    copied folder): everything stays beside the program;
//  - shipped data that the player does not write: map/ and save/ beside the
//    program in a read-only folder (a tree unpacked under /opt), or the
//    installed tree, the program in <prefix>/games and the data where the
//    install rules put it: the player's folder, whoever runs the program.
//    It is made when missing and given the shipped maps, base pattern and
//    high-score table where it lacks them. A file there that is still exactly
//    a version shipped before is replaced by the one shipped now; a file the
//    player changed is never touched. What cannot be read or copied is told
//    in `unseeded`. When the folder cannot be made or written, or nothing at
//    all could be copied into a new one, the shipped data is read instead,
//    writes below it are refused, and `problem` says why;
//  - anything else: the program's own folder, as beside.
Place decide(const QString& programDir, const QString& playerDir);

// $XDG_DATA_HOME/mibbet, or $HOME/.local/share/mibbet when XDG_DATA_HOME is
// unset, empty or relative (the XDG rules call a relative one invalid); empty
// when there is no home: HOME unset, relative or the root folder.
QString playerFolder(const QByteArray& xdgDataHome, const QByteArray& home);

// The decision for the running program, from its folder and its environment.
Place forThisProgram();

} // namespace datafolder
