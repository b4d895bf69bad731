#include "ScaledArea.h"

#include "WindowPlacer.h"
#include "WindowScale.h"

#include <QActionGroup>
#include <QMenu>
#include <QScreen>

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QCursor>
#include <QResizeEvent>

#include <cmath>

namespace {

// Qt tells a proxied widget only the bounding rectangle of what changed, so
// two ghosts at the board's two ends would repaint everything between them,
// panel included, at every frame. The painter's clip still holds the changed
// pieces themselves: only those are painted.
class ContentProxy : public QGraphicsProxyWidget {
public:
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) override
    {
        QWidget* content = widget();
        if (!content || !content->isVisible())
            return;
        QRegion exposed = (option->exposedRect & rect()).toAlignedRect();
        const QRegion changed = painter->paintEngine()->systemClip(); // device pixels
        if (!changed.isEmpty()) {
            const QTransform toContent = painter->deviceTransform().inverted();
            QRegion pieces;
            for (const QRect& r : changed)
                pieces += toContent.mapRect(QRectF(r)).toAlignedRect();
            exposed &= pieces;
        }
        if (!exposed.isEmpty())
            content->render(painter, exposed.boundingRect().topLeft(), exposed);
    }
};

// Fills only the margin round the content: the content paints its own
// background, and a second fill under it, at every frame and at four or
// nine times the pixels, would be wasted.
class MarginView : public QGraphicsView {
public:
    using QGraphicsView::QGraphicsView;
    QGraphicsProxyWidget* proxy = nullptr;

protected:
    void drawBackground(QPainter* painter, const QRectF& exposed) override
    {
        QRegion margin = exposed.toAlignedRect();
        if (proxy) { // the whole scene pixels the content covers; its corner may lie inside one
            const QRectF c = proxy->sceneBoundingRect();
            margin -= QRect(QPoint(std::ceil(c.left()), std::ceil(c.top())),
                            QPoint(std::floor(c.right()) - 1, std::floor(c.bottom()) - 1));
        }
        for (const QRect& r : margin)
            painter->fillRect(r, scene()->backgroundBrush());
    }
};

} // namespace

ScaledArea::ScaledArea(QWidget* content, QColor background, QWidget* parent)
    : QWidget(parent), content_(content), natural_(content->sizeHint().expandedTo(content->minimumSize()))
{
    setObjectName(QStringLiteral("ScaledArea"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    content->setFixedSize(natural_);
    content->setParent(this);

    scene_ = new QGraphicsScene(this);
    scene_->setBackgroundBrush(background);
    view_ = new MarginView(scene_, this);
    view_->viewport()->setAutoFillBackground(false); // the view paints every pixel itself
    view_->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setAlignment(Qt::AlignLeft | Qt::AlignTop); // centred by the scene's rectangle, on whole pixels
    view_->setRenderHints({}); // pictures into whole blocks, never smoothed
    view_->setOptimizationFlags(QGraphicsView::DontSavePainterState | QGraphicsView::DontAdjustForAntialiasing);
    view_->hide();
}

// The view takes a widget's pointer only as the mouse moves; a pointer that
// changes under a still mouse (the board's arrows follow the game) is passed on at once.
bool ScaledArea::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::CursorChange && proxy_) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->rect().contains(w->mapFromGlobal(QCursor::pos()))) {
            proxy_->setCursor(w->cursor()); // what the view gives the pointer on its next move
            view_->viewport()->setCursor(w->cursor());
        }
    }
    return QWidget::eventFilter(watched, e);
}

double ScaledArea::ratio() const { return devicePixelRatioF(); }

QSize ScaledArea::sizeAt(int factor) const { return scaling::scaled(natural_, factor, ratio()); }

void ScaledArea::updatePieces(QWidget* w, const QRegion& region)
{
    QGraphicsProxyWidget* proxy = w->window()->graphicsProxyWidget();
    QGraphicsScene* scene = proxy ? proxy->scene() : nullptr;
    if (!scene || scene->views().isEmpty()) {
        w->update(region);
        return;
    }
    QGraphicsView* view = scene->views().constFirst();
    const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
    const QTransform toView = QTransform::fromTranslate(at.x(), at.y()) * proxy->sceneTransform() * view->viewportTransform();
    QRegion pieces;
    for (const QRect& r : region)
        pieces += toView.mapRect(QRectF(r)).toAlignedRect();
    view->viewport()->update(pieces);
}

QSize ScaledArea::windowSizeAt(int factor) const { return window()->sizeHint() - natural_ + sizeAt(factor); }

void ScaledArea::setWindowFactor(int factor)
{
    QWidget* w = window();
    if (w->isMaximized() || w->isFullScreen())
        w->showNormal();
    w->resize(windowSizeAt(factor));
}

void ScaledArea::fillSizeMenu(QMenu* menu, int count, std::function<void(int factor)> chosen)
{
    auto* sizes = new QActionGroup(menu);
    for (int factor = 1; factor <= count; ++factor) {
        QAction* a = menu->addAction(QString::number(factor) + QStringLiteral("倍"));
        a->setObjectName(QStringLiteral("Size%1").arg(factor));
        a->setCheckable(true);
        sizes->addAction(a);
        connect(a, &QAction::triggered, this, [this, factor, chosen] {
            setWindowFactor(factor);
            if (chosen)
                chosen(factor);
        });
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { showSizes(menu); });
}

void ScaledArea::showSizes(QMenu* menu) const
{
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect();
    const QMargins frame = WindowPlacer::frameOf(window());
    const QList<QAction*> items = menu->actions();
    for (int factor = 1; factor <= items.size(); ++factor) {
        const QSize needed = windowSizeAt(factor).grownBy(frame);
        items[factor - 1]->setChecked(factor == factor_);
        items[factor - 1]->setEnabled(factor == 1 || (needed.width() <= screenArea.width() && needed.height() <= screenArea.height()));
    }
}

void ScaledArea::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    follow();
}

// Moves the content between a plain child (scale 1) and the scaled view.
void ScaledArea::follow()
{
    if (!content_)
        return;
    const int factor = scaling::fittingFactor(size(), natural_, ratio());
    const double scale = scaling::scale(factor, ratio());
    QWidget* focused = content_->focusWidget();
    if (scale == 1) {
        if (proxy_) {
            proxy_->setWidget(nullptr);
            delete proxy_;
            proxy_ = nullptr;
            static_cast<MarginView*>(view_)->proxy = nullptr;
            content_->setParent(this);
            view_->hide();
        }
        content_->move((width() - natural_.width()) / 2, (height() - natural_.height()) / 2);
        content_->show();
    } else {
        if (!proxy_) {
            content_->setParent(nullptr);
            proxy_ = new ContentProxy;
            proxy_->setWidget(content_);
            scene_->addItem(proxy_);
            static_cast<MarginView*>(view_)->proxy = proxy_;
            for (QWidget* w : content_->findChildren<QWidget*>())
                w->installEventFilter(this);
            view_->show();
        }
        // Centred, with the content's corner on a whole device pixel, so that
        // its pixels' blocks do not straddle two device pixels.
        const QSizeF margin = QSizeF(size() - scaling::scaled(natural_, factor, ratio())) / 2;
        const QPointF corner(std::floor(margin.width() * ratio()) / ratio(), std::floor(margin.height() * ratio()) / ratio());
        view_->setGeometry(rect());
        view_->setTransform(QTransform::fromScale(scale, scale));
        view_->setSceneRect(QRectF(QPointF(0, 0), QSizeF(size()) / scale));
        proxy_->setPos(corner / scale);
    }
    if (focused && (scale != scale_ || !focused->hasFocus()))
        focused->setFocus();
    const bool changed = factor != factor_;
    factor_ = factor;
    scale_ = scale;
    if (changed && onFactorChanged)
        onFactorChanged(factor);
}
