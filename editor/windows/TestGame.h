#pragma once
#include "Board.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// "試玩": the game started on the map as it stands, from a scratch file
// outside map/. One test game at a time; it ends with the editor.
class TestGame {
public:
    ~TestGame();
    // Ends the test game started before and starts a fresh one on `board`;
    // why it could not start, in the designer's words, or empty.
    QString start(const Board& board);
    // The game program: beside the editor, else the installed one.
    static QString findGame();
    // Where the game program is; found by findGame() unless set.
    QString gameProgram;
    // The scratch file the test games read; empty before the first.
    QString mapFile() const { return dir_ ? dir_->filePath(QStringLiteral("map")) : QString(); }

private:
    void end();

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> game_;
};
