#pragma once
#include <QColor>
#include <QPointer>
#include <QWidget>

#include <functional>

class QGraphicsProxyWidget;
class QMenu;
class QGraphicsScene;
class QGraphicsView;

// Holds a window's content, made at a fixed natural size, and shows it at the
// largest whole factor that fits the space the window gives it, centred on
// `background`. At a scale of 1 the content is an ordinary child; larger, it
// is drawn through a scaled graphics view: text by the font at the larger
// size, pictures pixel for pixel into whole blocks (no smoothing), and the
// mouse mapped back to the content's own pixels.
class ScaledArea : public QWidget {
    Q_OBJECT
public:
    ScaledArea(QWidget* content, QColor background, QWidget* parent = nullptr);
    QSize sizeHint() const override { return natural_; }
    QSize minimumSizeHint() const override { return natural_; }
    QSize naturalSize() const { return natural_; }
    int factor() const { return factor_; }
    // The size this area takes at `factor` on its screen.
    QSize sizeAt(int factor) const;
    // The size of the whole window (menus, toolbars) with this area at `factor`.
    QSize windowSizeAt(int factor) const;
    // Sets the window to `factor`'s size, leaving maximised or full screen.
    void setWindowFactor(int factor);
    // Fills `menu` with the sizes "1倍".."N倍" as radio items; choosing one sets
    // the window to it and tells `chosen`. Each showing marks the factor drawn.
    void fillSizeMenu(QMenu* menu, int count, std::function<void(int factor)> chosen = {});
    // Checks the factor drawn now; a size the screen cannot hold (frame
    // included) cannot be chosen.
    void showSizes(QMenu* menu) const;
    // The content at its natural size, in whichever parent shows it now.
    QWidget* content() const { return content_; }

    std::function<void(int factor)> onFactorChanged;

    // Asks for the pieces of `region` of `w`, a widget of some area's content,
    // to be painted again. Grown, they go to the view one by one: Qt would
    // merge them into their bounding rectangle.
    static void updatePieces(QWidget* w, const QRegion& region);

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void follow();
    double ratio() const;

    QPointer<QWidget> content_;
    QSize natural_;
    int factor_ = 1;
    double scale_ = 1;
    QGraphicsScene* scene_ = nullptr;
    QGraphicsView* view_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
};
