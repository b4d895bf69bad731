#pragma once
#include <QImage>
#include <QWidget>

#include <functional>

class Surface;

// Shows the board surface FG, 520 x 400, pixel for pixel (the surface is
// already drawn at the screen's pixel ratio, so nothing is smoothed). Only the
// cells whose pixels differ from the last frame are sent to the screen.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(Surface& fg, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {520, 400}; }
    // Repaints the cells of the surface whose pixels changed since the last call.
    void refresh();

    // Key presses (auto-repeats included) and real key releases.
    std::function<void(int key, Qt::KeyboardModifiers)> onKeyDown, onKeyUp;
    // The keyboard went elsewhere (a modal box, another window): releases
    // made meanwhile will not reach the board.
    std::function<void()> onFocusLost;

    // Mouse presses, moves (with or without buttons) and releases, with
    // the game's button numbers (left 1, right 2, middle 4) and the position
    // in twips from the board's top left corner.
    std::function<void(int button, Qt::KeyboardModifiers, double x, double y)> onMouseDown, onMouseMove, onMouseUp;
    // One of the board's pointers (MoiUp, MoiRight, MoiDown, MoiLeft, MoiC),
    // or the ordinary arrow for an empty name.
    void setPointer(const QString& name);
    QString pointer() const { return pointer_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; } // Tab and arrows stay with the board

private:
    Surface& fg_;
    QImage shown_; // the surface as last sent to the screen
    QString pointer_;
};
