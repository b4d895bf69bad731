#pragma once
#include <QWidget>

class Surface;

// Shows the board surface FG, 520 x 400, pixel for pixel (the surface is
// already drawn at the screen's pixel ratio, so nothing is smoothed).
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(const Surface& fg, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {520, 400}; }
    // Repaints when the surface changed since the last paint.
    void refresh();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const Surface& fg_;
    quint64 shown_ = ~quint64(0);
};
