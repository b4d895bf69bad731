#pragma once
#include <QGroupBox>

#include <functional>

class QScrollBar;
class ViewBinder;

// The game description "遊戲說明" that slides over the board: the long text
// in a clipping frame, moved by its scroll bar, and a close button.
class DescriptionPanel : public QGroupBox {
    Q_OBJECT
public:
    DescriptionPanel(ViewBinder& binder, QWidget* parent);
    std::function<void(int value)> onScroll;
    std::function<void()> onClose;
    QScrollBar* scrollBar() const { return scroll_; }

private:
    QScrollBar* scroll_ = nullptr;
};
