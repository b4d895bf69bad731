#pragma once
#include <QWidget>

#include <functional>

class Surface;

// Shows the board surface FG, 520 x 400, pixel for pixel (the surface is
// already drawn at the screen's pixel ratio, so nothing is smoothed). Only the
// cells whose pixels changed since the last frame are sent to the screen.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(Surface& fg, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {520, 400}; }
    // Repaints the cells of the surface that changed since the last call.
    void refresh();

    // Key presses (auto-repeats included) and real key releases.
    std::function<void(int key, Qt::KeyboardModifiers)> onKeyDown, onKeyUp;
    // The keyboard went elsewhere (a modal box, another window): releases
    // made meanwhile will not reach the board.
    std::function<void()> onFocusLost;

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; } // Tab and arrows stay with the board

private:
    Surface& fg_;
};
