#include "HighScoreWindow.h"

#include "GameProgram.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
// The rows of the background picture (resources/art/make_highscore.py).
constexpr int Width = 330, Height = 400;
constexpr int HeaderY = 84, FirstRowY = 110, RowHeight = 24;
constexpr int RankX = 22, RankW = 46, NameX = 74, NameW = 160, ScoreX = 236, ScoreW = 74;

QLabel* label(QWidget* parent, const QString& name, const QRect& where, Qt::Alignment align, const char* style)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(where);
    l->setAlignment(align | Qt::AlignVCenter);
    l->setStyleSheet(QString::fromLatin1(style));
    return l;
}
} // namespace

HighScoreWindow::HighScoreWindow(GameProgram& program) : form_(program)
{
    setObjectName(QStringLiteral("排行榜"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Width, Height);
    binder_.bind(QStringLiteral("Caption"), this);

    const char* header = "color: rgb(255, 226, 130); font-size: 14px; font-weight: bold; background: transparent;";
    const int columns[3][2] = {{RankX, RankW}, {NameX, NameW}, {ScoreX, ScoreW}};
    const Qt::Alignment headerAlign[3] = {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignRight};
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("lb2") + QString::number(i);
        binder_.bind(name, label(this, name, {columns[i][0], HeaderY, columns[i][1], 20}, headerAlign[i], header));
    }
    for (int i = 0; i < 10; ++i) {
        const int y = FirstRowY + i * RowHeight;
        const char* rank = i < 3 ? "color: white; font-size: 14px; font-weight: bold; background: transparent;"
                                 : "color: rgb(255, 226, 130); font-size: 13px; background: transparent;";
        const struct {
            QString name;
            QRect where;
            Qt::Alignment align;
            const char* style;
        } cells[] = {
            {QStringLiteral("lb1") + QString::number(i), {RankX, y, RankW, RowHeight}, Qt::AlignHCenter, rank},
            {QStringLiteral("names") + QString::number(i), {NameX, y, NameW, RowHeight}, Qt::AlignLeft,
             "color: white; font-size: 13px; background: transparent;"},
            {QStringLiteral("Scores") + QString::number(i), {ScoreX, y, ScoreW, RowHeight}, Qt::AlignRight,
             "color: rgb(255, 246, 200); font-size: 13px; font-weight: bold; background: transparent;"},
        };
        for (const auto& c : cells)
            binder_.bind(c.name, label(this, c.name, c.where, c.align, c.style));
    }

    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry((Width - 90) / 2, 358, 90, 28);
    ok->setDefault(true);
    binder_.bind(ok->objectName(), ok);
    connect(ok, &QPushButton::clicked, this, &HighScoreWindow::confirm);
    binder_.sync(form_.vm);
}

void HighScoreWindow::confirm()
{
    if (confirmed_)
        return;
    confirmed_ = true;
    form_.Command1_Click(); // closes this window through the host
}

void HighScoreWindow::reread()
{
    form_.ReadTable();
    binder_.sync(form_.vm);
}

void HighScoreWindow::closeForProgram()
{
    confirmed_ = true;
    close();
}

void HighScoreWindow::closeEvent(QCloseEvent* e)
{
    confirm();
    e->accept();
}

void HighScoreWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape)
        confirm();
    else
        QWidget::keyPressEvent(e);
}

void HighScoreWindow::paintEvent(QPaintEvent*)
{
    // The sharper picture on screens with more than one pixel per point.
    static const QPixmap small(QStringLiteral(":/pictures/highscore.png"));
    static const QPixmap large = [] {
        QPixmap pm(QStringLiteral(":/pictures/highscore@2x.png"));
        pm.setDevicePixelRatio(2);
        return pm;
    }();
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), devicePixelRatioF() > 1 ? large : small);
}
