#include "DescriptionPanel.h"

#include "ViewBinder.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
constexpr int TwipsPerPixel = 15;
QRect twips(int left, int top, int width, int height)
{
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
}
} // namespace

DescriptionPanel::DescriptionPanel(ViewBinder& binder, QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("GameFrame"));
    setTitle(QStringLiteral("遊戲說明"));
    setFixedSize(twips(0, 0, 9855, 6015).size());
    setStyleSheet(QStringLiteral("#GameFrame { background: #f3efe2; border: 2px solid #6b5a3a; border-radius: 4px;"
                                 " margin-top: 0; padding-top: 18px; font-weight: bold; color: #3a2f1c; }"
                                 "#GameFrame::title { subcontrol-origin: padding; subcontrol-position: top left;"
                                 " left: 8px; top: 2px; }"));
    binder.bind(objectName(), this);

    // The text slides inside this clipping frame.
    auto* clip = new QWidget(this);
    clip->setObjectName(QStringLiteral("Frame25"));
    clip->setGeometry(twips(120, 360, 9615, 5055));
    auto* text = new QLabel(clip);
    text->setObjectName(QStringLiteral("LblGame"));
    text->setProperty("movable", true);
    text->setGeometry(twips(0, 0, 9285, 9015));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setStyleSheet(QStringLiteral("color: #1030b0; font-size: 11px;"));
    binder.bind(text->objectName(), text);

    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setObjectName(QStringLiteral("VScroll1"));
    scroll_->setGeometry(twips(120 + 9615 - 375, 360, 375, 5055));
    scroll_->setRange(0, 9015 - 5055);
    scroll_->setSingleStep(1000);
    scroll_->setPageStep(1000);
    // Every change and every movement of a drag.
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (onScroll)
            onScroll(v);
    });
    connect(scroll_, &QScrollBar::sliderMoved, this, [this](int v) {
        if (onScroll)
            onScroll(v);
    });

    auto* close = new QPushButton(QStringLiteral("關閉"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setGeometry(twips(9855 - 120 - 1215, 360 + 5055 + 90, 1215, 450));
    connect(close, &QPushButton::clicked, this, [this] {
        if (onClose)
            onClose();
    });
}
