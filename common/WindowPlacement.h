#pragma once
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// Where the windows of a program stand on a screen. Pure arithmetic on
// frames, so every screen and window manager can be tried in a table.
namespace placement {

// A window as the window manager frames it: the client area's size and the
// frame around it (title bar and borders; all 0 where nothing frames it).
struct Window {
    QSize size;
    QMargins frame;
    QSize frameSize() const { return size.grownBy(frame); }
};

// The frames of the game window and its two side windows.
struct Group {
    QRect game, radar, help;
};

// The gap between the game window and its side windows, and between those two.
inline constexpr int Gap = 8;

// The top-left corner of a frame of `size` centred in `area`, kept inside
// it as far as it fits.
QPoint centred(const QRect& area, QSize size);

// The game window on the left, the radar at its right edge with the tops
// aligned, the help window under the radar. `area` is the screen's available
// area. The group is centred in it, or stands with the game window at
// `gameAt` (a frame's top-left) moved no further than the area asks. Where the
// area is too narrow or too low for the group, every window still stands
// inside it: the side windows then lie over the right part of the game window.
// With `gameStays`, the game window stands exactly at `gameAt` (where the
// player has it) and only the side windows are kept inside the area.
Group arrange(const QRect& area, const Window& game, const Window& radar, const Window& help,
              std::optional<QPoint> gameAt = std::nullopt, bool gameStays = false);

// Where a client area goes for its frame to stand at `frameTopLeft`.
inline QPoint clientAt(QPoint frameTopLeft, const QMargins& frame)
{
    return frameTopLeft + QPoint(frame.left(), frame.top());
}

} // namespace placement
