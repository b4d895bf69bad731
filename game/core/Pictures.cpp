#include "Pictures.h"

#include "TilePictures.h"

#include <algorithm>
#include <map>

namespace {

constexpr int Cell = 20;

} // namespace

Pictures::Pictures(int scale)
    : scale_(scale), tiles_(TilePictures::forScale(scale).sheet()),
      sprites_(TilePictures::loadSheet(QStringLiteral(":/pictures/sprites.png"), scale))
{
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

QPoint Pictures::tileAt(TileCode code) const { return TilePictures::forScale(scale_).slotOf(code); }

QPoint Pictures::spriteAt(SpriteSet set, int index) const
{
    return {index * Cell * scale_, static_cast<int>(set) * Cell * scale_};
}
