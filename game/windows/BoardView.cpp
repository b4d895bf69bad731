#include "BoardView.h"

#include "GameState.h"

#include <QPainter>

BoardView::BoardView(const Module1& m, QWidget* parent) : QWidget(parent), m_(m)
{
    setObjectName(QStringLiteral("FG"));
    setFixedSize(520, 400);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Until the tile pictures exist each cell shows its code on a colour of its kind.
void BoardView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QFont f = font();
    f.setPixelSize(9);
    p.setFont(f);
    for (int c = 0; c < BoardCols; ++c) {
        for (int r = 0; r < BoardRows; ++r) {
            const TileCode code = m_.MapTile(c, r);
            const QRect cell(c * 20, r * 20, 20, 20);
            QColor bg = code == 15 ? QColor(0, 0, 0) : QColor::fromHsv((code * 37) % 360, 120, 110);
            p.fillRect(cell, bg);
            p.setPen(code == 0 || code == 6 ? QColor(255, 220, 90) : QColor(230, 230, 230));
            if (code != 15)
                p.drawText(cell, Qt::AlignCenter, QString::number(code));
        }
    }
}
