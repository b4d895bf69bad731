#pragma once
#include <QWidget>

struct Module1;

// The board surface FG, 520 x 400 pixels.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(const Module1& m, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {520, 400}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const Module1& m_;
};
