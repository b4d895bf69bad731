#include "StatusPanel.h"

#include "AppLook.h"

#include "Pictures.h"
#include "TileCatalogue.h"
#include "ViewBinder.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* value(ViewBinder& binder, const char* control, const char* style = "value")
{
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(control));
    l->setProperty("role", QString::fromLatin1(style));
    l->setAlignment(Qt::AlignCenter);
    binder.bind(l->objectName(), l);
    return l;
}

QGroupBox* box(const QString& heading, const char* tip, QLayout* content)
{
    auto* g = new QGroupBox(heading);
    g->setToolTip(QString::fromUtf8(tip));
    g->setLayout(content);
    return g;
}

QLayout* single(QWidget* w)
{
    auto* l = new QHBoxLayout;
    l->setContentsMargins(6, 0, 6, 2);
    l->addWidget(w);
    return l;
}

// A bar of `color` whose width the view model sets, over an optional track.
QFrame* bar(ViewBinder& binder, const char* control, const char* color, QWidget* parent = nullptr)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(control));
    f->setFixedHeight(12);
    f->setStyleSheet(QStringLiteral("background: %1; border-radius: 3px;").arg(QLatin1String(color)));
    binder.bind(f->objectName(), f);
    return f;
}

// A box whose heading the game writes (the clock text, the PP caption).
QGroupBox* headedBox(ViewBinder& binder, const char* control, const char* tip, QWidget* content)
{
    auto* g = new QGroupBox;
    g->setObjectName(QString::fromLatin1(control));
    g->setToolTip(QString::fromUtf8(tip));
    g->setLayout(single(content));
    binder.bind(g->objectName(), g);
    return g;
}

QLabel* tileIcon(TileCode code)
{
    const Pictures& pics = Pictures::forScale(1);
    const QPoint at = pics.tileAt(code);
    auto* l = new QLabel;
    l->setPixmap(QPixmap::fromImage(pics.tileSheet().copy(at.x(), at.y(), 20, 20)));
    l->setFixedSize(20, 20);
    return l;
}

} // namespace

StatusPanel::StatusPanel(ViewBinder& binder, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel"));
    setMinimumWidth(250);
    setStyleSheet(QStringLiteral(
        "#Panel { background: #1c2038; border: 1px solid #3a4270; border-radius: 6px; }"
        "QLabel { color: #f0f0ff; }"
        "QLabel[role=\"value\"] { font-size: 15px; font-weight: bold; color: #ffffff; }"
        "QLabel[role=\"small\"] { font-size: 12px; color: #c8ccf0; }"
        "QLabel[role=\"message\"] { font-size: 12px; color: #a8f0c0; }"
        "QGroupBox { color: #ffd866; border: 1px solid #3a4270; border-radius: 4px; margin-top: 9px;"
        "  padding-top: 7px; font-size: 12px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"
        "#BarTrack { background: #0c0e1c; border-radius: 3px; }"));

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(8, 4, 8, 6);
    col->setSpacing(1);

    QLabel* stage = value(binder, "Label13");
    stage->setStyleSheet(QStringLiteral("font-size: 18px; font-weight: bold; color: #ffd866;"));
    stage->setToolTip(QStringLiteral("關卡名稱"));
    // Mibbet's icon: a double-click brings the message panel back.
    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(applook::icon(QStringLiteral("mibbet")).pixmap(32, 32)); // the hand-drawn size
    icon->setToolTip(QStringLiteral("點兩下打開訊息"));
    icon->installEventFilter(this);
    auto* head = new QHBoxLayout;
    head->addWidget(icon);
    head->addWidget(stage, 1);
    head->addSpacing(32);
    col->addLayout(head);

    col->addWidget(box(QStringLiteral("分數"), "目前的分數", single(value(binder, "LblScore"))));

    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    grid->addWidget(box(QStringLiteral("生命"), "剩下的生命數", single(value(binder, "Label6"))), 0, 0);
    grid->addWidget(box(QStringLiteral("等級"), "目前的等級", single(value(binder, "Label12"))), 0, 1);
    grid->addWidget(box(QStringLiteral("速度"), "Mibbet的移動速度", single(value(binder, "Label19"))), 1, 0);
    grid->addWidget(box(QStringLiteral("關卡"), "目前的關卡", single(value(binder, "Label20"))), 1, 1);
    col->addLayout(grid);

    // Time: a bar three twips (a fifth of a pixel) per second, clipped by its track.
    auto* timeTrack = new QFrame;
    timeTrack->setObjectName(QStringLiteral("BarTrack"));
    timeTrack->setFixedHeight(12);
    bar(binder, "TimPic", "qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #40c0ff, stop:1 #80ffe0)", timeTrack);
    col->addWidget(headedBox(binder, "Frame22", "本關剩下的時間", timeTrack));

    // PP: the bright bar over the dark bar of the ceiling, 3 pixels a point.
    auto* ppTrack = new QWidget;
    ppTrack->setFixedHeight(12);
    bar(binder, "Label15", "#3a2a58", ppTrack);
    bar(binder, "PPPic", "qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #c050ff, stop:1 #ff80d0)", ppTrack);
    col->addWidget(headedBox(binder, "Frame21", "雷射光、鑽子與隱形使用的能量", ppTrack));

    auto* balls = new QHBoxLayout;
    balls->setContentsMargins(6, 0, 6, 2);
    balls->addWidget(tileIcon(tiles::SmallBall));
    balls->addWidget(value(binder, "Label21"), 1);
    balls->addWidget(tileIcon(tiles::BigBall));
    balls->addWidget(value(binder, "Label22"), 1);
    col->addWidget(box(QStringLiteral("剩餘球數"), "還沒吃掉的小球與大球", balls));

    auto* effects = new QGridLayout;
    effects->setContentsMargins(6, 0, 6, 2);
    effects->addWidget(value(binder, "Label3", "small"), 0, 0);
    effects->addWidget(value(binder, "Label4"), 0, 1);
    effects->addWidget(value(binder, "Label9", "small"), 1, 0);
    effects->addWidget(value(binder, "Label8"), 1, 1);
    effects->setVerticalSpacing(0);
    auto* state = box(QStringLiteral("狀態"), "正在作用的效果", effects);
    state->setMinimumHeight(40);
    col->addWidget(state);

    QLabel* message = value(binder, "Label1", "message");
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* messageBox = box(QStringLiteral("訊息"), "訊息：用來顯示畫面上的提示訊息，可點兩下關閉或打開", single(message));
    messageBox->setObjectName(QStringLiteral("Frame5"));
    binder.bind(messageBox->objectName(), messageBox);
    QSizePolicy keep = messageBox->sizePolicy(); // hidden, it leaves its place empty
    keep.setRetainSizeWhenHidden(true);
    messageBox->setSizePolicy(keep);
    messageBox->installEventFilter(this);
    message->installEventFilter(this);
    col->addWidget(messageBox, 1);
    setFixedHeight(400);
}

bool StatusPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && onDoubleClick) {
        onDoubleClick(watched->objectName());
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
