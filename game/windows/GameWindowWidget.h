#pragma once
#include "ViewBinder.h"

#include <QMainWindow>

#include <functional>

class BoardView;
class DescriptionPanel;
class EndingFrame;
class GameProgram;
class GameWindow;
class QAction;
class QLabel;
class QMenu;

// The game window: menus, toolbar, board and status panel over the game core.
class GameWindowWidget : public QMainWindow {
    Q_OBJECT
public:
    GameWindowWidget(GameProgram& program, GameWindow& game);
    void sync();
    // The program closes the window itself (restart, map failure); that does not end it.
    void closeForProgram();
    void focusBoard();
    // The player's two sound switches at the end of "環境(&W)", kept by the
    // host: set to what it has, and told when the player flips one.
    void setSoundSwitches(bool effects, bool music);
    std::function<void(bool on)> onEffectsSwitched, onMusicSwitched;

    // The window's size: everything under the toolbar at a whole factor.
    static constexpr int MenuFactors = 3;
    QSize sizeAt(int factor) const;
    int factor() const;
    void setFactor(int factor);
    void setFullScreen(bool on);
    // The player picked a size from the menu; the content is drawn at another factor.
    std::function<void(int factor)> onFactorChosen, onFactorDrawn;
    std::function<void()> onWindowStateChanged;

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
    void showFactor();

    GameProgram& program_;
    GameWindow& game_;
    ViewBinder binder_;
    BoardView* board_ = nullptr;
    EndingFrame* ending_ = nullptr;
    DescriptionPanel* description_ = nullptr;
    QWidget* pauseBox_ = nullptr;     // holds the two lines of the pause notice
    QList<QLabel*> pauseLabels_;
    QMenu* winMenu_ = nullptr;
    QAction* effectsSwitch_ = nullptr;
    QAction* musicSwitch_ = nullptr;
    QMenu* sizeMenu_ = nullptr;
    QAction* fullScreen_ = nullptr;
    class ScaledArea* area_ = nullptr;
    QWidget* content_ = nullptr; // the board and panel at their natural size
    bool shown_ = false;
    bool closingForProgram_ = false;
};
