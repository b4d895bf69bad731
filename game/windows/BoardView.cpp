#include "BoardView.h"

#include "Surface.h"

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
