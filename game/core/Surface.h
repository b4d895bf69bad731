#pragma once
#include "Board.h"
#include "Pictures.h"

#include <QImage>

// The board surface FG: 26 x 20 cells of 20 x 20 pixels (times the screen's
// pixel ratio), painted with plain copies and AND-mask / XOR-sprite draws.
class Surface {
public:
    static constexpr int Width = 520, Height = 400;
    static constexpr int TwipsPerPixel = 15;

    explicit Surface(int scale = 1);

    const QImage& image() const { return image_; }
    int scale() const { return pictures_->scale(); }
    const Pictures& pictures() const { return *pictures_; }

    // Plain copy of a tile picture with its top-left at (x, y) board pixels.
    void copyTile(TileCode code, int x, int y);
    // Transparent draw at a twip position: the mask by AND, then the picture by XOR.
    void drawMasked(SpriteSet set, int maskIndex, int pictureIndex, int xTwips, int yTwips);

    // Board pixel of a twip coordinate (rounded to the nearest pixel).
    static int pixelOf(int twips);

    // Grows with every change, so a window repaints only when needed.
    quint64 revision() const { return revision_; }
    void touch() { ++revision_; }

private:
    const Pictures* pictures_;
    QImage image_;
    uchar* bits_ = nullptr;
    quint64 revision_ = 0;
};
