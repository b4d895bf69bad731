#pragma once
#include <QFrame>

#include <functional>

class ViewBinder;

// The panel beside the board: stage name, score, lives, level, speed, stage,
// time and PP bars, balls left, running effects and the message panel. Built
// from ordinary labels and frames so that screen readers see every value.
class StatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit StatusPanel(ViewBinder& binder, QWidget* parent = nullptr);
    // A double-click on the message panel ("Frame5"), its text ("Label1") or
    // the icon ("Image1").
    std::function<void(const QString& control)> onDoubleClick;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
