#pragma once
#include "Board.h"
#include "Pictures.h"

#include <QImage>

#include <array>
#include <bitset>

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

    // Plain copy of a tile picture onto cell (col, row). A cell that already
    // shows that tile, untouched since, is left as it is: the result is the
    // same as copying it again.
    void copyTile(TileCode code, int col, int row);
    // Transparent draw at a twip position: the mask by AND, then the picture by XOR.
    void drawMasked(SpriteSet set, int maskIndex, int pictureIndex, int xTwips, int yTwips);

    // Board pixel of a twip coordinate (rounded to the nearest pixel).
    static int pixelOf(int twips);

    // Cells whose pixels changed since the last call, for the window to repaint.
    std::bitset<BoardCells> takeChangedCells();

private:
    void markCovered(int x, int y); // the cells a sprite at pixel (x, y) touches

    const Pictures* pictures_;
    QImage image_;
    uchar* bits_ = nullptr;
    std::array<int, BoardCells> shownCode_; // tile each cell shows, or NoTile
    std::bitset<BoardCells> changed_;
};
