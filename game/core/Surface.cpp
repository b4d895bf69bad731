#include "Surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
// A cell that shows no plain tile (sprites over it, or nothing yet).
constexpr int NoTile = std::numeric_limits<int>::min();
}

Surface::Surface(int scale)
    : pictures_(&Pictures::forScale(scale)), image_(Width * pictures_->scale(), Height * pictures_->scale(),
                                                     QImage::Format_RGB32)
{
    image_.fill(Qt::black);
    bits_ = image_.bits(); // detached once; the surface never shares its pixels
    shownCode_.fill(NoTile); // so the first frame paints, and reports, every cell
}

std::bitset<BoardCells> Surface::takeChangedCells()
{
    const auto c = changed_;
    changed_.reset();
    return c;
}

void Surface::markCovered(int x, int y)
{
    const int c0 = std::max(0, x / 20), c1 = std::min(BoardCols - 1, (x + 19) / 20);
    const int r0 = std::max(0, y / 20), r1 = std::min(BoardRows - 1, (y + 19) / 20);
    for (int c = c0; c <= c1; ++c)
        for (int r = r0; r <= r1; ++r) {
            shownCode_[c * BoardRows + r] = NoTile;
            changed_.set(c * BoardRows + r);
        }
}

// Whole twips never lie half-way between two pixels (15 is odd), so plain
// rounding to the nearest is exact.
int Surface::pixelOf(int twips) { return static_cast<int>(std::lround(twips / double(TwipsPerPixel))); }

void Surface::copyTile(TileCode code, int col, int row)
{
    if (!Board::inside(col, row))
        return;
    const int cell = col * BoardRows + row;
    if (shownCode_[cell] == code)
        return;
    shownCode_[cell] = code;
    changed_.set(cell);
    const int n = 20 * scale();
    const QPoint src = pictures_->tileAt(code);
    const QImage& sheet = pictures_->tileSheet();
    const std::size_t bytes = static_cast<std::size_t>(n) * 4;
    const qsizetype fromStride = sheet.bytesPerLine(), toStride = image_.bytesPerLine();
    const uchar* from = sheet.constBits() + src.y() * fromStride + src.x() * 4;
    uchar* to = bits_ + row * n * toStride + col * n * 4;
    for (int i = 0; i < n; ++i, from += fromStride, to += toStride)
        std::memcpy(to, from, bytes);
}

void Surface::drawMasked(SpriteSet set, int maskIndex, int pictureIndex, int xTwips, int yTwips)
{
    const int s = scale();
    const int n = 20 * s;
    const QImage& sheet = pictures_->spriteSheet();
    const QPoint mask = pictures_->spriteAt(set, maskIndex);
    const QPoint pic = pictures_->spriteAt(set, pictureIndex);
    markCovered(pixelOf(xTwips), pixelOf(yTwips));
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
}
