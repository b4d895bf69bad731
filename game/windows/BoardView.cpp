#include "BoardView.h"

#include "ScaledArea.h"
#include "Surface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QGuiApplication>
#include <QPixmap>

#include <cstring>

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int CellPixels = 20;

// The game numbers the buttons 1 (left), 2 (right) and 4 (middle).
int gameButtons(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

// The pointers as the art script lays them out, with their hot spots: the
// tip of each arrow, the centre of the neutral one.
QCursor boardCursor(const QString& name)
{
    static const struct {
        const char* name;
        int hotX, hotY;
    } pointers[] = {{"MoiUp", 16, 1}, {"MoiRight", 30, 16}, {"MoiDown", 16, 30}, {"MoiLeft", 1, 16}, {"MoiC", 16, 16}};
    static const QPixmap small(QStringLiteral(":/pictures/pointers.png"));
    static const QPixmap large(QStringLiteral(":/pictures/pointers@2x.png"));
    for (int i = 0; i < 5; ++i) {
        if (name != QLatin1String(pointers[i].name))
            continue;
        // The sharper picture where a point has more than one pixel.
        const bool sharp = qGuiApp->devicePixelRatio() > 1;
        QPixmap pm = sharp ? large.copy(i * 64, 0, 64, 64) : small.copy(i * 32, 0, 32, 32);
        pm.setDevicePixelRatio(sharp ? 2 : 1);
        return QCursor(pm, pointers[i].hotX, pointers[i].hotY);
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace

BoardView::BoardView(Surface& fg, QWidget* parent) : QWidget(parent), fg_(fg)
{
    setObjectName(QStringLiteral("FG"));
    setFixedSize(Surface::Width, Surface::Height);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // the pointer follows the target even with no button held
}

void BoardView::setPointer(const QString& name)
{
    if (name == pointer_)
        return;
    pointer_ = name;
    setCursor(boardCursor(name));
}

void BoardView::mousePressEvent(QMouseEvent* e)
{
    setFocus();
    if (onMouseDown)
        onMouseDown(gameButtons(e->button()), e->modifiers(), e->position().x() * TwipsPerPixel,
                    e->position().y() * TwipsPerPixel);
    e->accept();
}

void BoardView::mouseMoveEvent(QMouseEvent* e)
{
    if (onMouseMove)
        onMouseMove(gameButtons(e->buttons()), e->modifiers(), e->position().x() * TwipsPerPixel,
                    e->position().y() * TwipsPerPixel);
    e->accept();
}

void BoardView::mouseReleaseEvent(QMouseEvent* e)
{
    if (onMouseUp)
        onMouseUp(gameButtons(e->button()), e->modifiers(), e->position().x() * TwipsPerPixel,
                  e->position().y() * TwipsPerPixel);
    e->accept();
}

void BoardView::refresh()
{
    const auto changed = fg_.takeChangedCells();
    if (changed.none())
        return;
    const QImage& now = fg_.image();
    if (changed.all() || shown_.size() != now.size()) {
        shown_ = now.copy();
        update();
        return;
    }
    // A sprite drawn again where it stood leaves its cells as they were:
    // only cells whose pixels really differ from the screen are sent.
    const int side = CellPixels * fg_.scale();
    const qsizetype rowBytes = qsizetype(side) * (now.depth() / 8);
    QRegion dirty;
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r) {
            if (!changed.test(c * BoardRows + r))
                continue;
            bool differs = false;
            for (int y = r * side; y < (r + 1) * side; ++y) {
                const uchar* from = now.constScanLine(y) + c * rowBytes;
                uchar* to = shown_.scanLine(y) + c * rowBytes;
                if (std::memcmp(from, to, size_t(rowBytes)) != 0) {
                    std::memcpy(to, from, size_t(rowBytes));
                    differs = true;
                }
            }
            if (differs)
                dirty += QRect(c * CellPixels, r * CellPixels, CellPixels, CellPixels);
        }
    if (!dirty.isEmpty())
        ScaledArea::updatePieces(this, dirty);
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
