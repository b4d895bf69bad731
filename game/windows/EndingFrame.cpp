#include "EndingFrame.h"

#include "ViewBinder.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>

namespace {
constexpr int PictureWidth = 673, PictureHeight = 449;
}

EndingFrame::EndingFrame(ViewBinder& binder, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("EndFm"));
    setStyleSheet(QStringLiteral("#EndFm { background: #05060f; }"));
    setAttribute(Qt::WA_StyledBackground);
    binder.bind(objectName(), this);

    // The picture moves inside a clipping area the width of the picture.
    stage_ = new QWidget(this);
    stage_->setObjectName(QStringLiteral("EndStage"));
    auto* picture = new QLabel(stage_);
    picture->setObjectName(QStringLiteral("EndImg"));
    picture->setProperty("movable", true);
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/ending.png")));
    picture->setFixedSize(PictureWidth, PictureHeight);
    binder.bind(picture->objectName(), picture);

    struct Line {
        int top, height, pixelSize;
        const char* color;
    };
    const Line lines[6] = {{18, 48, 34, "#ffd866"},   {170, 60, 38, "#ffffff"},  {262, 24, 16, "#e8e6ff"},
                           {290, 24, 16, "#e8e6ff"}, {318, 24, 16, "#e8e6ff"}, {346, 24, 16, "#ffe9a8"}};
    for (int i = 0; i < 6; ++i) {
        auto* l = new QLabel(stage_);
        l->setObjectName(QStringLiteral("EndLbl") + QString::number(i));
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(0, lines[i].top, PictureWidth, lines[i].height);
        l->setStyleSheet(QStringLiteral("color: %1; font-size: %2px; font-weight: bold; background: transparent;")
                             .arg(QLatin1String(lines[i].color))
                             .arg(lines[i].pixelSize));
        auto* shadow = new QGraphicsDropShadowEffect(l);
        shadow->setOffset(2, 2);
        shadow->setBlurRadius(4);
        shadow->setColor(QColor(0, 0, 0, 230));
        l->setGraphicsEffect(shadow);
        binder.bind(l->objectName(), l);
    }
}

void EndingFrame::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    stage_->setGeometry((width() - PictureWidth) / 2, 0, PictureWidth, height());
}
