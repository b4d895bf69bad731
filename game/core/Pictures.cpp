#include "Pictures.h"

#include "TileCatalogue.h"

#include <QPainter>

#include <array>
#include <mutex>

namespace {

constexpr int Cell = 20;
constexpr int SheetColumns = 16;
constexpr int SheetRows = 8;
// Slot of the placeholder in the tile sheet: a slot no code with a picture uses.
constexpr int PlaceholderSlot = 127;

QImage load(const QString& path, int scale)
{
    QImage img(path);
    if (img.isNull()) {
        // A damaged build still runs: every picture becomes the placeholder.
        img = QImage(SheetColumns * Cell, SheetRows * Cell, QImage::Format_RGB32);
        img.fill(Qt::black);
    }
    img = img.convertToFormat(QImage::Format_RGB32);
    if (scale != 1)
        img = img.scaled(img.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return img;
}

// Magenta and black stripes round a black hole: never mistaken for a tile.
// Drawn without text so it needs no fonts.
void paintPlaceholder(QImage& sheet, int scale)
{
    const QRect slot((PlaceholderSlot % SheetColumns) * Cell * scale, (PlaceholderSlot / SheetColumns) * Cell * scale,
                     Cell * scale, Cell * scale);
    QPainter p(&sheet);
    p.setClipRect(slot);
    p.fillRect(slot, QColor(255, 0, 255));
    p.setPen(QPen(Qt::black, 2 * scale));
    for (int d = -Cell; d < Cell; d += 6)
        p.drawLine(slot.left() + d * scale, slot.top(), slot.left() + (d + Cell) * scale, slot.bottom());
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
    static std::array<std::unique_ptr<Pictures>, 5> cache;
    scale = std::clamp(scale, 1, 4);
    if (!cache[scale])
        cache[scale].reset(new Pictures(scale));
    return *cache[scale];
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
