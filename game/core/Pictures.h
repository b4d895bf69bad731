#pragma once
#include "Board.h"

#include <QImage>

#include <memory>

// The sprite sets, in the order of their rows in the sprite sheet.
enum class SpriteSet { SprPic, BGhoPic, UGhoPic, YGhoPic, ChiPic, LightPic, Ls1Pic, Ls2Pic };

// Every tile and sprite picture, converted once to the board's pixel format
// and scaled (nearest neighbour) to the screen's pixel ratio.
class Pictures {
public:
    // Shared per scale; loaded on first use.
    static const Pictures& forScale(int scale);

    int scale() const { return scale_; }
    // Top-left of a code's 20 x 20 picture in tileSheet(); codes without a
    // picture get a placeholder that stands out on any board.
    QPoint tileAt(TileCode code) const;
    const QImage& tileSheet() const { return tiles_; }
    // Top-left of picture `index` of a set in spriteSheet().
    QPoint spriteAt(SpriteSet set, int index) const;
    const QImage& spriteSheet() const { return sprites_; }

private:
    explicit Pictures(int scale);
    int scale_;
    QImage tiles_;
    QImage sprites_;
};
