#pragma once
#include "ViewModel.h"

// The question-and-answer window's logic: eight topic buttons, each with its
// answer; exactly one answer shows, and its button is greyed out. A new
// window starts with every answer hidden.
class QaForm {
public:
    QaForm();
    void Cmd_Click(int k);

    ViewModel vm;
};
