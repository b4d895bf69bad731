#include "WindowPlacer.h"

#include "WindowPlacement.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

// Window managers frame a new window within a few frames; two seconds leave
// room for a busy machine.
constexpr int PollMs = 40, Polls = 50;
// Moves this soon after a window shows come from the window manager.
constexpr int SettleMs = 600;

QMargins g_lastFrame; // the last real frame seen on any window

} // namespace

WindowPlacer::WindowPlacer(QObject* parent) : QObject(parent)
{
    poll_.setInterval(PollMs);
    connect(&poll_, &QTimer::timeout, this, &WindowPlacer::check);
}

bool WindowPlacer::canPlace() { return QGuiApplication::platformName() != QLatin1String("wayland"); }

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
        return m.isNull() ? g_lastFrame : m;
    }
    return g_lastFrame;
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
            w->setGeometry(QRect(client, w->size()));
    }
}

void WindowPlacer::moveBy(QWidget* w, QPoint delta)
{
    const qsizetype i = windows_.indexOf(w);
    if (i < 0 || !canPlace())
        return;
    expected_[i] = w->geometry().topLeft() + delta;
    w->setGeometry(QRect(expected_[i], w->size()));
}

// While the frames arrive: a frame or size other than the one assumed moves the group again.
void WindowPlacer::check()
{
    if (++polls_ >= Polls)
        poll_.stop();
    for (qsizetype i = 0; i < windows_.size(); ++i) {
        const QWidget* w = windows_[i];
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
