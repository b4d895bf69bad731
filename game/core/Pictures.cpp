#include "Pictures.h"

#include "TileCatalogue.h"

#include <QPainter>

#include <algorithm>
#include <map>

namespace {

constexpr int Cell = 20;
constexpr int SheetColumns = 16;
// Slot of the placeholder in the tile sheet: a slot no code with a picture uses.
constexpr int PlaceholderSlot = 127;

// The sheets are compiled into the program.
QImage load(const QString& path, int scale)
{
    QImage img = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (scale != 1)
        img = img.scaled(img.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return img;
}

// A black hole in a magenta frame: never mistaken for a tile.
void paintPlaceholder(QImage& sheet, int scale)
{
    const QRect slot((PlaceholderSlot % SheetColumns) * Cell * scale, (PlaceholderSlot / SheetColumns) * Cell * scale,
                     Cell * scale, Cell * scale);
    QPainter p(&sheet);
    p.fillRect(slot, QColor(255, 0, 255));
    p.fillRect(slot.adjusted(6 * scale, 6 * scale, -6 * scale, -6 * scale), Qt::black);
}

} // namespace

Pictures::Pictures(int scale)
    : scale_(scale), tiles_(load(QStringLiteral(":/pictures/tiles.png"), scale)),
      sprites_(load(QStringLiteral(":/pictures/sprites.png"), scale))
{
    paintPlaceholder(tiles_, scale);
}

const Pictures& Pictures::forScale(int scale)
{
    static std::map<int, std::unique_ptr<Pictures>> cache;
    scale = std::clamp(scale, 1, 4);
    std::unique_ptr<Pictures>& pictures = cache[scale];
    if (!pictures)
        pictures.reset(new Pictures(scale));
    return *pictures;
}

QPoint Pictures::tileAt(TileCode code) const
{
    const int slot = tiles::hasPicture(code) ? code : PlaceholderSlot;
    return {(slot % SheetColumns) * Cell * scale_, (slot / SheetColumns) * Cell * scale_};
}

QPoint Pictures::spriteAt(SpriteSet set, int index) const
{
    return {index * Cell * scale_, static_cast<int>(set) * Cell * scale_};
}
