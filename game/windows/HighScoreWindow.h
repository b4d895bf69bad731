#pragma once
#include "HighScoreForm.h"
#include "ViewBinder.h"

#include <QWidget>

class GameProgram;

// The high-score window: ranks, names and scores over our background picture.
// Its close box does what "確定" does, so the game window never stays locked.
class HighScoreWindow : public QWidget {
    Q_OBJECT
public:
    explicit HighScoreWindow(GameProgram& program);
    HighScoreForm& form() { return form_; }
    // Closed by the program (the game ended): nothing more to confirm.
    void closeForProgram();
    // Shown again while open: the table as the file holds it now.
    void reread();

protected:
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void confirm();
    HighScoreForm form_;
    ViewBinder binder_;
    bool confirmed_ = false;
};
