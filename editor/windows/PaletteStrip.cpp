#include "PaletteStrip.h"

#include "EditorModel.h"
#include "TilePictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int FirstColumn = 360 / 15, ColumnStep = 240 / 15, RowStep = 240 / 15, ThumbSize = 17, Top = 8;
}

PaletteStrip::PaletteStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaletteStrip"));
    setFixedSize(Width, Height);
    // The groups share the strip's width; what the columns leave goes into even gaps.
    const auto& groups = EditorModel::palette();
    int used = 0;
    for (const auto& g : groups)
        used += FirstColumn + static_cast<int>(g.columns.size()) * ColumnStep;
    const int gap = (Width - used) / static_cast<int>(groups.size());
    int left = gap / 2;
    for (const auto& g : groups) {
        groups_.push_back({QString::fromUtf8(g.caption), left});
        for (std::size_t c = 0; c < g.columns.size(); ++c)
            for (std::size_t r = 0; r < g.columns[c].size(); ++r)
                thumbs_.push_back({g.columns[c][r], QRect(left + FirstColumn + static_cast<int>(c) * ColumnStep,
                                                          Top + static_cast<int>(r) * RowStep, ThumbSize, ThumbSize)});
        left += FirstColumn + static_cast<int>(g.columns.size()) * ColumnStep + gap;
    }
}

QRect PaletteStrip::thumbnailOf(int code) const
{
    for (const Thumb& t : thumbs_)
        if (t.code == code)
            return t.rect;
    return {};
}

void PaletteStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(46, 44, 58));
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const TilePictures& pics = TilePictures::forScale(2);
    for (const Thumb& t : thumbs_) {
        const QRect source = pics.pictureOf(static_cast<TileCode>(t.code));
        // The grapes keep their narrow shape.
        const QRect target(t.rect.topLeft(), QSize(source.width() * ThumbSize / source.height(), ThumbSize));
        p.drawImage(target, pics.sheet(), source);
    }
    // Each caption written downwards at its group's left edge, between rules.
    p.setPen(QColor(255, 216, 120));
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        const Group& g = groups_[i];
        if (i > 0)
            p.fillRect(g.left - 4, 4, 1, Height - 8, QColor(90, 86, 110));
        QFont f = font();
        f.setPixelSize(11);
        p.setFont(f);
        int y = Top;
        for (const QChar ch : g.caption) {
            p.drawText(QRect(g.left, y, 16, 12), Qt::AlignCenter, QString(ch));
            y += 12;
        }
    }
}

void PaletteStrip::mousePressEvent(QMouseEvent* e)
{
    const int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
    for (const Thumb& t : thumbs_)
        if (t.rect.contains(e->position().toPoint()) && onPick) {
            onPick(button, t.code);
            break;
        }
    e->accept();
}
