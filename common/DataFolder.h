#pragma once
#include <QString>

// Where both programs keep the files they read and write. Both ask here, so
// a map the editor saves is the map the game plays.
namespace datafolder {

struct Place {
    QString data;    // holds map/ and save/, read and written
    QString shipped; // holds wav/ and bgm/, and what a new player's folder starts with; only read
    QString problem; // why the player's own folder cannot be used, in the player's words; empty when it can
};

// programDir is the program's own folder, playerDir the player's own
// ($XDG_DATA_HOME/mibbet). The decision:
//  - map/ and save/ beside the program (the build folder, a copied folder):
//    everything stays beside the program;
//  - the installed tree, the program in <prefix>/games and the shipped data
//    in <prefix>/share/games/mibbet: the player's folder, whoever runs the
//    program, even where the shipped data could be written. It is made when
//    missing and given the shipped maps, base pattern and high-score table
//    where it lacks them; nothing there is ever overwritten. When it cannot
//    be made or written, the shipped data is read instead, writes below it
//    are refused, and `problem` says why;
//  - anything else: the program's own folder, as beside.
Place decide(const QString& programDir, const QString& playerDir);

// The decision for the running program, from its folder and QStandardPaths.
Place forThisProgram();

} // namespace datafolder
