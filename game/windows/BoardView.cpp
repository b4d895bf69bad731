#include "BoardView.h"

#include "Surface.h"

#include <QKeyEvent>
#include <QPainter>

BoardView::BoardView(const Surface& fg, QWidget* parent) : QWidget(parent), fg_(fg)
{
    setObjectName(QStringLiteral("FG"));
    setFixedSize(Surface::Width, Surface::Height);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::refresh()
{
    if (fg_.revision() != shown_)
        update();
}

void BoardView::paintEvent(QPaintEvent*)
{
    shown_ = fg_.revision();
    QPainter p(this);
    p.drawImage(QRectF(0, 0, Surface::Width, Surface::Height), fg_.image());
}

void BoardView::keyPressEvent(QKeyEvent* e)
{
    if (onKeyDown)
        onKeyDown(e->key(), e->modifiers());
    e->accept();
}

void BoardView::keyReleaseEvent(QKeyEvent* e)
{
    // The platform's key repeat sends a release before every repeated press;
    // only the real release counts.
    if (!e->isAutoRepeat() && onKeyUp)
        onKeyUp(e->key(), e->modifiers());
    e->accept();
}
