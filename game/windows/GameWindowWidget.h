#pragma once
#include "ViewBinder.h"

#include <QMainWindow>

#include <functional>

class BoardView;
class DescriptionPanel;
class EndingFrame;
class GameProgram;
class GameWindow;
class QLabel;

// The game window: menus, toolbar, board and status panel over the game core.
class GameWindowWidget : public QMainWindow {
    Q_OBJECT
public:
    GameWindowWidget(GameProgram& program, GameWindow& game);
    void sync();
    // The program closes the window itself (restart, map failure); that does not end it.
    void closeForProgram();
    void focusBoard();

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenus();
    void buildToolbar();
    void activate();
    void followModel(bool all);
    void command(const std::function<void()>& handler);

    GameProgram& program_;
    GameWindow& game_;
    ViewBinder binder_;
    BoardView* board_ = nullptr;
    EndingFrame* ending_ = nullptr;
    DescriptionPanel* description_ = nullptr;
    QWidget* pauseBox_ = nullptr;     // holds the two lines of the pause notice
    QList<QLabel*> pauseLabels_;
    bool shown_ = false;
    bool closingForProgram_ = false;
};
