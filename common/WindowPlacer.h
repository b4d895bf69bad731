#pragma once
#include <QList>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <functional>

// Puts windows where a placement asks, from the frames the window manager
// really gives them. A window's frame is known only once the window manager
// has framed it, after it is shown; until then the frame last seen on any of
// the program's windows stands in for it, and the windows are placed again
// as the real frames arrive (or a window settles its size as it shows). Once the player moves one of the windows, they
// stay where the player wants them.
//
// Qt cannot move windows on Wayland's own platform; there the compositor
// places them and this does nothing.
class WindowPlacer : public QObject {
    Q_OBJECT
public:
    // From the frames of the windows (in the order given), the frames' places.
    using Arrangement = std::function<QList<QRect>(const QList<QMargins>& frames)>;

    explicit WindowPlacer(QObject* parent = nullptr);

    // Places the windows now, before or after they show, and again while
    // their frames arrive.
    void place(const QList<QWidget*>& windows, Arrangement arrangement);
    // A window alone, centred on the screen that holds the pointer.
    void centre(QWidget* w);
    // Moves a window of the group by `delta`, as the program's own move.
    void moveBy(QWidget* w, QPoint delta);
    // The frame around a window: the real one once it is framed, the last
    // one seen before.
    static QMargins frameOf(const QWidget* w);
    // The screen that holds the pointer, where a new window opens.
    static QRect pointerScreenArea();
    static bool canPlace();
    // The window flags of a side window that stays beside a main window: a
    // tool window, except where the window manager would not put it there.
    static Qt::WindowFlags sideWindowFlags();

    // A window of the group was moved by the player (or the window manager
    // on the player's behalf), from `from` to where it stands now.
    std::function<void(QWidget* w, QPoint from)> movedByPlayer;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void apply();
    void check();

    QList<QPointer<QWidget>> windows_;
    QList<QMargins> used_;   // the frames the last placement assumed
    QList<QSize> sizes_;     // and the windows' sizes (a window may settle its size when shown)
    QList<QPoint> expected_; // where the last placement put each client area
    Arrangement arrangement_;
    QTimer poll_;
    int polls_ = 0;
};
