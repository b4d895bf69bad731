#include "WindowPlacer.h"

#include "WindowPlacement.h"

#include <QCursor>
#include <QByteArray>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

// Window managers frame a new window within a few frames; two seconds leave
// room for a busy machine.
constexpr int PollMs = 40, Polls = 50;
// Moves this soon after a window shows come from the window manager.
constexpr int SettleMs = 600;

QMargins g_lastFrame; // the last real frame seen on any window

xcb_connection_t* xConnection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t xRoot(xcb_connection_t* c) { return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root; }

// The name the X window manager gives itself, empty without one (or off X11).
QByteArray windowManagerName()
{
    xcb_connection_t* c = xConnection();
    if (!c)
        return {};
    const auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::strlen(name), name), nullptr);
        const xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
        std::free(r);
        return a;
    };
    const auto property = [c](xcb_window_t w, xcb_atom_t name, xcb_atom_t type) {
        xcb_get_property_reply_t* r = xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, 256), nullptr);
        QByteArray value = r ? QByteArray(static_cast<const char*>(xcb_get_property_value(r)),
                                          xcb_get_property_value_length(r))
                             : QByteArray();
        std::free(r);
        return value;
    };
    const QByteArray check = property(xRoot(c), atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (check.size() != sizeof(xcb_window_t))
        return {};
    xcb_window_t wm;
    std::memcpy(&wm, check.constData(), sizeof wm);
    return property(wm, atom("_NET_WM_NAME"), atom("UTF8_STRING"));
}

// Weston's X window manager tells nobody its frames (no _NET_FRAME_EXTENTS),
// draws them alike in every session (6 px borders under a 27 px title), puts
// a frame, not the client, where the client asks to be, and a transient
// window in the screen's corner whatever place it asks for.
struct WestonFrames {
    bool on = false;
    QMargins frame{6, 27, 6, 6};
};

const WestonFrames& westonFrames()
{
    static const WestonFrames w{windowManagerName() == "Weston WM"};
    return w;
}

QPoint askFor(QPoint client, const QMargins& frame)
{
    return westonFrames().on ? client - QPoint(frame.left(), frame.top()) : client;
}

} // namespace

WindowPlacer::WindowPlacer(QObject* parent) : QObject(parent)
{
    poll_.setInterval(PollMs);
    connect(&poll_, &QTimer::timeout, this, &WindowPlacer::check);
}

bool WindowPlacer::canPlace() { return QGuiApplication::platformName() != QLatin1String("wayland"); }

Qt::WindowFlags WindowPlacer::sideWindowFlags() { return westonFrames().on ? Qt::Window : Qt::Tool; }

QRect WindowPlacer::pointerScreenArea()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins WindowPlacer::frameOf(const QWidget* w)
{
    const QWindow* window = w->windowHandle();
    if (window && window->handle() && w->isVisible()) {
        const QMargins m = window->frameMargins();
        if (!m.isNull())
            g_lastFrame = m;
        else if (westonFrames().on)
            return westonFrames().frame;
        return m.isNull() ? g_lastFrame : m;
    }
    return westonFrames().on ? westonFrames().frame : g_lastFrame;
}

void WindowPlacer::place(const QList<QWidget*>& windows, Arrangement arrangement)
{
    for (const QPointer<QWidget>& w : std::as_const(windows_))
        if (w)
            w->removeEventFilter(this);
    windows_.clear();
    for (QWidget* w : windows) {
        windows_.append(w);
        w->installEventFilter(this);
    }
    arrangement_ = std::move(arrangement);
    if (!canPlace())
        return;
    apply();
    polls_ = 0;
    poll_.start();
}

void WindowPlacer::centre(QWidget* w)
{
    const QRect area = pointerScreenArea();
    place({w}, [area, window = QPointer<QWidget>(w)](const QList<QMargins>& frames) {
        const QSize frame = (window ? window->size() : QSize()).grownBy(frames.value(0));
        return QList<QRect>{QRect(placement::centred(area, frame), frame)};
    });
}

void WindowPlacer::apply()
{
    used_.clear();
    sizes_.clear();
    for (const QPointer<QWidget>& w : std::as_const(windows_)) {
        used_.append(w ? frameOf(w) : QMargins());
        sizes_.append(w ? w->size() : QSize());
    }
    const QList<QRect> frames = arrangement_(used_);
    expected_.clear();
    for (qsizetype i = 0; i < windows_.size(); ++i) {
        const QPoint client = frames.value(i).topLeft() + QPoint(used_[i].left(), used_[i].top());
        expected_.append(client);
        if (QWidget* w = windows_[i])
            w->setGeometry(QRect(askFor(client, used_[i]), w->size()));
    }
}

void WindowPlacer::moveBy(QWidget* w, QPoint delta)
{
    const qsizetype i = windows_.indexOf(w);
    if (i < 0 || !canPlace())
        return;
    expected_[i] = w->geometry().topLeft() + delta;
    w->setGeometry(QRect(askFor(expected_[i], used_.value(i)), w->size()));
}

// While the frames arrive: a frame or size other than the one assumed moves the group again.
void WindowPlacer::check()
{
    if (++polls_ >= Polls)
        poll_.stop();
    for (qsizetype i = 0; i < windows_.size(); ++i) {
        const QWidget* w = windows_[i];
        if (w && (w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            poll_.stop(); // the player's choice, which a placement must not undo
            return;
        }
        if (w && w->isVisible() && (frameOf(w) != used_.value(i) || w->size() != sizes_.value(i))) {
            apply();
            return;
        }
    }
}

bool WindowPlacer::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Move) {
        const qsizetype i = windows_.indexOf(qobject_cast<QWidget*>(watched));
        QWidget* w = windows_.value(i);
        if (w && (w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            poll_.stop();
            return QObject::eventFilter(watched, e);
        }
        if (w && w->isVisible() && w->geometry().topLeft() != expected_.value(i)) {
            // The frame arriving, or the window settling its size, can move a
            // window too, and no player drags a window the moment it shows.
            if (poll_.isActive() && (polls_ * PollMs < SettleMs || frameOf(w) != used_.value(i)
                                     || w->size() != sizes_.value(i))) {
                apply();
                return QObject::eventFilter(watched, e);
            }
            const QPoint from = expected_[i];
            expected_[i] = w->geometry().topLeft();
            poll_.stop(); // the player's place wins over ours
            if (movedByPlayer)
                movedByPlayer(w, from);
        }
    }
    return QObject::eventFilter(watched, e);
}
