#pragma once
#include <QFrame>

class ViewBinder;

// The closing frame over the board and panel: the ending picture rises from
// its bottom edge and the closing words appear over it.
class EndingFrame : public QFrame {
    Q_OBJECT
public:
    EndingFrame(ViewBinder& binder, QWidget* parent);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QWidget* stage_ = nullptr; // 673 x 449 area the picture and words share
};
