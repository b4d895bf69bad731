#include "Surface.h"

#include <algorithm>
#include <cstring>

Surface::Surface(int scale)
    : pictures_(&Pictures::forScale(scale)), image_(Width * pictures_->scale(), Height * pictures_->scale(),
                                                     QImage::Format_RGB32)
{
    image_.fill(Qt::black);
    bits_ = image_.bits(); // detached once; the surface never shares its pixels
}

int Surface::pixelOf(int twips)
{
    // Halves round up, negatives round like positives mirrored.
    return twips >= 0 ? (twips * 2 + TwipsPerPixel) / (2 * TwipsPerPixel)
                      : -((-twips * 2 + TwipsPerPixel) / (2 * TwipsPerPixel));
}

void Surface::copyTile(TileCode code, int x, int y)
{
    const int s = scale();
    const int n = 20 * s;
    const QPoint src = pictures_->tileAt(code);
    const QImage& sheet = pictures_->tileSheet();
    x *= s;
    y *= s;
    // Clip to the surface; tiles normally sit on whole cells inside it.
    const int x0 = std::max(0, x), x1 = std::min(image_.width(), x + n);
    const int y0 = std::max(0, y), y1 = std::min(image_.height(), y + n);
    if (x0 >= x1 || y0 >= y1)
        return;
    const std::size_t bytes = static_cast<std::size_t>(x1 - x0) * 4;
    const qsizetype fromStride = sheet.bytesPerLine(), toStride = image_.bytesPerLine();
    const uchar* from = sheet.constBits() + (src.y() + y0 - y) * fromStride + (src.x() + x0 - x) * 4;
    uchar* to = bits_ + y0 * toStride + x0 * 4;
    for (int row = y0; row < y1; ++row, from += fromStride, to += toStride)
        std::memcpy(to, from, bytes);
}

void Surface::drawMasked(SpriteSet set, int maskIndex, int pictureIndex, int xTwips, int yTwips)
{
    const int s = scale();
    const int n = 20 * s;
    const QImage& sheet = pictures_->spriteSheet();
    const QPoint mask = pictures_->spriteAt(set, maskIndex);
    const QPoint pic = pictures_->spriteAt(set, pictureIndex);
    const int x = pixelOf(xTwips) * s, y = pixelOf(yTwips) * s;
    const int x0 = std::max(0, x), x1 = std::min(image_.width(), x + n);
    const int y0 = std::max(0, y), y1 = std::min(image_.height(), y + n);
    const qsizetype sheetStride = sheet.bytesPerLine(), stride = image_.bytesPerLine();
    for (int row = y0; row < y1; ++row) {
        const auto* m = reinterpret_cast<const quint32*>(sheet.constBits() + (mask.y() + row - y) * sheetStride) +
                        mask.x() + (x0 - x);
        const auto* p = reinterpret_cast<const quint32*>(sheet.constBits() + (pic.y() + row - y) * sheetStride) +
                        pic.x() + (x0 - x);
        auto* d = reinterpret_cast<quint32*>(bits_ + row * stride) + x0;
        for (int col = 0; col < x1 - x0; ++col)
            d[col] = ((d[col] & m[col]) ^ p[col]) | 0xff000000u;
    }
    ++revision_;
}
