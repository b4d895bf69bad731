#pragma once
#include "Board.h"

#include <QImage>
#include <QRect>

// The tile pictures of both programs: one sheet, code c at column c % 16 and
// row c / 16, scaled (nearest neighbour) to a screen's pixel ratio. Codes
// without a picture show a placeholder that stands out on any board.
class TilePictures {
public:
    // Shared per scale (1..4); loaded on first use.
    static const TilePictures& forScale(int scale);

    int scale() const { return scale_; }
    const QImage& sheet() const { return sheet_; }
    // Top-left of a code's 20 x 20 slot in the sheet.
    QPoint slotOf(TileCode code) const;
    // The picture itself: 20 x 20, or 13 x 20 for the grapes (code 11), scaled.
    QRect pictureOf(TileCode code) const;
    QImage picture(TileCode code) const { return sheet_.copy(pictureOf(code)); }

    // A picture sheet compiled into the program, in the board's pixel format,
    // scaled by whole pixels (nearest neighbour).
    static QImage loadSheet(const QString& path, int scale);

private:
    explicit TilePictures(int scale);
    int scale_;
    QImage sheet_;
};
