#pragma once
#include "ViewBinder.h"

#include <QWidget>

class GameProgram;

// The mode window: five mode buttons in a pyramid, hardest on top.
class ModeWindow : public QWidget {
    Q_OBJECT
public:
    explicit ModeWindow(GameProgram& program);
    void sync();
    // The program closes the window itself after a choice; that does not end it.
    void closeForGame();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    GameProgram& program_;
    ViewBinder binder_;
    bool closingForGame_ = false;
};
