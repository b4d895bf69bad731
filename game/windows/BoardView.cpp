#include "BoardView.h"

#include "Surface.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>


BoardView::BoardView(Surface& fg, QWidget* parent) : QWidget(parent), fg_(fg)
{
    setObjectName(QStringLiteral("FG"));
    setFixedSize(Surface::Width, Surface::Height);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::refresh()
{
    const auto changed = fg_.takeChangedCells();
    if (changed.none())
        return;
    if (changed.all()) {
        update();
        return;
    }
    QRegion dirty;
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r)
            if (changed.test(c * BoardRows + r))
                dirty += QRect(c * 20, r * 20, 20, 20);
    update(dirty);
}

void BoardView::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const int s = fg_.scale();
    for (const QRect& r : e->region())
        p.drawImage(QRectF(r), fg_.image(), QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s));
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

void BoardView::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    if (onFocusLost)
        onFocusLost();
}
