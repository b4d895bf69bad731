#include "TilePictures.h"

#include "TileCatalogue.h"

#include <QPainter>

#include <algorithm>
#include <map>
#include <memory>

namespace {

constexpr int Cell = 20;
constexpr int SheetColumns = 16;
// A slot no code with a picture uses.
constexpr int PlaceholderSlot = 127;

} // namespace

TilePictures::TilePictures(int scale) : scale_(scale)
{
    sheet_ = loadSheet(QStringLiteral(":/pictures/tiles.png"), scale);
    // A black hole in a magenta frame: never mistaken for a tile.
    const QRect slot((PlaceholderSlot % SheetColumns) * Cell * scale, (PlaceholderSlot / SheetColumns) * Cell * scale,
                     Cell * scale, Cell * scale);
    QPainter p(&sheet_);
    p.fillRect(slot, QColor(255, 0, 255));
    p.fillRect(slot.adjusted(6 * scale, 6 * scale, -6 * scale, -6 * scale), Qt::black);
}

QImage TilePictures::loadSheet(const QString& path, int scale)
{
    QImage img = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (scale != 1)
        img = img.scaled(img.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return img;
}

const TilePictures& TilePictures::forScale(int scale)
{
    static std::map<int, std::unique_ptr<TilePictures>> cache;
    scale = std::clamp(scale, 1, 4);
    std::unique_ptr<TilePictures>& pictures = cache[scale];
    if (!pictures)
        pictures.reset(new TilePictures(scale));
    return *pictures;
}

QPoint TilePictures::slotOf(TileCode code) const
{
    const int slot = tiles::hasPicture(code) ? code : PlaceholderSlot;
    return {(slot % SheetColumns) * Cell * scale_, (slot / SheetColumns) * Cell * scale_};
}

QRect TilePictures::pictureOf(TileCode code) const
{
    const int width = tiles::hasPicture(code) ? tiles::pictureWidth(code) : Cell;
    return {slotOf(code), QSize(width * scale_, Cell * scale_)};
}
