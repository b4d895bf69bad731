#pragma once
#include "ViewModel.h"

class GameProgram;

// The high-score window's logic: the table as high.tm holds it when the
// window is created or shown again, and its close button.
class HighScoreForm {
public:
    explicit HighScoreForm(GameProgram& program);
    // Names and scores as the file holds them now.
    void ReadTable();
    // "確定", and the window's own close box: the game window takes input again.
    void Command1_Click();

    ViewModel vm;

private:
    GameProgram& program_;
};
