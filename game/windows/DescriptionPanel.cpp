#include "DescriptionPanel.h"

#include "ViewBinder.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

DescriptionPanel::DescriptionPanel(ViewBinder& binder, QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("GameFrame"));
    setTitle(QStringLiteral("遊戲說明"));
    // 9855 twips wide; 4 px taller than 6015 twips, so that it covers the
    // board's last row as well as its frame's top.
    setFixedSize(657, 408);
    setStyleSheet(QStringLiteral("#GameFrame { background: #f3efe2; border: 2px solid #6b5a3a; border-radius: 4px;"
                                 " margin-top: 0; padding-top: 18px; font-weight: bold; color: #3a2f1c; }"
                                 "#GameFrame::title { subcontrol-origin: padding; subcontrol-position: top left;"
                                 " left: 8px; top: 2px; }"));
    binder.bind(objectName(), this);

    // The text slides inside this clipping frame.
    auto* clip = new QWidget(this);
    clip->setObjectName(QStringLiteral("Frame25"));
    clip->setGeometry(8, 24, 641, 337); // 120, 360, 9615, 5055 twips
    auto* text = new QLabel(clip);
    text->setObjectName(QStringLiteral("LblGame"));
    text->setProperty("movable", true);
    text->setGeometry(0, 0, 619, 601); // 9285 x 9015 twips
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setStyleSheet(QStringLiteral("color: #1030b0; font-size: 11px;"));
    binder.bind(text->objectName(), text);

    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setObjectName(QStringLiteral("VScroll1"));
    scroll_->setGeometry(624, 24, 25, 337); // along the right edge of the frame
    scroll_->setRange(0, 9015 - 5055); // twips the text can slide
    scroll_->setSingleStep(1000);
    scroll_->setPageStep(1000);
    // Every change and every movement of a drag.
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (onScroll)
            onScroll(v);
    });

    auto* close = new QPushButton(QStringLiteral("關閉"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setGeometry(568, 374, 81, 30); // 1215 x 450 twips, in the bottom right corner
    connect(close, &QPushButton::clicked, this, [this] {
        if (onClose)
            onClose();
    });
}
