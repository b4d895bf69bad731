#include "GameFixture.h"
#include "TileCatalogue.h"

namespace {

using Rendering = GameFixture;

QRgb pixel(const Surface& fg, int x, int y) { return fg.image().pixel(x, y) | 0xff000000u; }

// The art script lays the tile of code c out at column c % 16, row c / 16.
QRgb tilePixel(const Pictures& pics, TileCode code, int x, int y)
{
    return pics.tileSheet().pixel(code % 16 * 20 + x, code / 16 * 20 + y) | 0xff000000u;
}

TEST_F(Rendering, EveryFrameRepaintsTheWholeBoardFromItsCodes)
{
    Board b = sampleBoard();
    b(0, 0) = 17;
    b(25, 19) = 102;
    b(4, 7) = 11; // the grapes are narrower than a cell
    writeMap(1, b);
    GameWindow& g = startGame(1);
    calmGhosts();
    const Pictures& pics = g.FG.pictures();
    // A ghost drawn over the board in one frame leaves no trace in the next.
    clock.advance(50);
    g.FG.takeChangedCells();
    g.FG.drawMasked(SpriteSet::BGhoPic, 4, 0, 0, 0);
    g.FG.drawMasked(SpriteSet::YGhoPic, 6, 2, 25 * 300 - 100, 19 * 300);
    g.FG.drawMasked(SpriteSet::UGhoPic, 6, 2, 4 * 300, 7 * 300);
    clock.advance(50);
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r)
            for (auto [x, y] : {std::pair{0, 0}, {19, 19}, {10, 5}, {3, 17}})
                if (c != 1 || r != 18) // the player stands there
                ASSERT_EQ(pixel(g.FG, c * 20 + x, r * 20 + y), tilePixel(pics, m.MapTile(c, r), x, y))
                    << "cell " << c << "," << r;
    // The grapes keep no trace of the last frame beside their 13 columns.
    EXPECT_EQ(pixel(g.FG, 4 * 20 + 16, 7 * 20 + 10), qRgb(0, 0, 0));
    // Only what changed is reported to the window: here the cells under the
    // player, who is drawn again, and those the ghosts left.
    const auto changed = g.FG.takeChangedCells();
    EXPECT_TRUE(changed.test(0));
    EXPECT_TRUE(changed.test(4 * BoardRows + 7));
    EXPECT_TRUE(changed.test(1 * BoardRows + 18));
    EXPECT_FALSE(changed.test(10 * BoardRows + 10));
}

TEST_F(Rendering, CodesWithoutAPictureShowAPlaceholder)
{
    Board b = sampleBoard();
    b(3, 3) = 44;
    b(4, 3) = -7;
    b(5, 3) = 30000;
    writeMap(1, b);
    GameWindow& g = startGame(1);
    clock.advance(50);
    // A magenta frame six pixels wide round a black hole.
    for (int c : {3, 4, 5})
        for (int d = 0; d < 20; ++d)
            EXPECT_EQ(pixel(g.FG, c * 20 + d, 60 + d), d >= 6 && d < 14 ? qRgb(0, 0, 0) : qRgb(255, 0, 255))
                << c << " " << d;
}

TEST_F(Rendering, MaskedDrawKeepsTheBoardWhereTheMaskIsWhite)
{
    Board b;
    b.cells.fill(17); // wooden floor under everything
    b(1, 18) = b(13, 3) = 15;
    writeMap(1, b);
    GameWindow& g = startGame(1);
    clock.advance(50);
    const Pictures& pics = g.FG.pictures();
    const QImage& sheet = pics.spriteSheet();
    // A blue ghost facing right, half a cell right of cell (5, 5).
    g.FG.drawMasked(SpriteSet::BGhoPic, 5, 1, 5 * 300 + 150, 5 * 300);
    int shown = 0, kept = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const QPoint mask = pics.spriteAt(SpriteSet::BGhoPic, 5) + QPoint(x, y);
            const QPoint pic = pics.spriteAt(SpriteSet::BGhoPic, 1) + QPoint(x, y);
            const int bx = 110 + x, by = 100 + y;
            const QRgb under = tilePixel(pics, 17, bx % 20, by % 20);
            if ((sheet.pixel(mask) & 0xffffff) == 0xffffff) {
                EXPECT_EQ(pixel(g.FG, bx, by), under) << x << "," << y;
                ++kept;
            } else {
                EXPECT_EQ(pixel(g.FG, bx, by), sheet.pixel(pic) | 0xff000000u) << x << "," << y;
                ++shown;
            }
        }
    }
    EXPECT_GT(shown, 80);
    EXPECT_GT(kept, 40);
    // Half off the board is clipped, not a crash.
    g.FG.drawMasked(SpriteSet::SprPic, 8, 0, -150, 5850);
    g.FG.drawMasked(SpriteSet::SprPic, 8, 0, 7700, -200);
}

// The window repaints only what is reported changed: every cell a sprite
// touches and every cell whose tile changed, and nothing else.
TEST_F(Rendering, ChangedCellsAreExactlyThoseTouched)
{
    writeMap(1);
    GameWindow& g = startGame(1);
    calmGhosts();
    clock.advance(50);
    const auto cells = [](std::initializer_list<std::pair<int, int>> list) {
        std::bitset<BoardCells> b;
        for (auto [c, r] : list)
            b.set(c * BoardRows + r);
        return b;
    };
    const auto player = cells({{1, 18}});
    struct Case {
        int x, y;
        std::bitset<BoardCells> want;
    };
    const Case cases[] = {
        {0, 0, cells({{0, 0}})},
        {1500, 1500, cells({{5, 5}})},
        {1650, 1500, cells({{5, 5}, {6, 5}})},
        {1550, 1500, cells({{5, 5}, {6, 5}})},
        {7800, 1500, cells({})},
        {1500, 5850, cells({{5, 19}})},
        {1500, 6000, cells({})},
        {1500, 1550, cells({{5, 5}, {5, 6}})},
        {1650, 1650, cells({{5, 5}, {6, 5}, {5, 6}, {6, 6}})},
        {7500, 5700, cells({{25, 19}})},
        {-150, -150, cells({{0, 0}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        g.FG.takeChangedCells();
        g.FG.drawMasked(SpriteSet::BGhoPic, 5, 1, c.x, c.y);
        EXPECT_EQ(g.FG.takeChangedCells(), c.want);
        // The next frame repaints those cells and the player, and no others.
        clock.advance(50);
        EXPECT_EQ(g.FG.takeChangedCells(), c.want | player);
    }
    // A changed tile is reported once, by the frame that paints it.
    m.MapTile(9, 9) = 17;
    clock.advance(50);
    EXPECT_EQ(g.FG.takeChangedCells(), cells({{9, 9}}) | player);
    // A sprite in the corner is drawn to its first pixel column and row, and
    // not a pixel beyond its 20 x 20.
    const QImage before = g.FG.image().copy();
    g.FG.drawMasked(SpriteSet::UGhoPic, 6, 2, 0, 0);
    EXPECT_EQ(g.FG.image().copy(0, 0, 20, 20), maskedOver(before.copy(0, 0, 20, 20), SpriteSet::UGhoPic, 6, 2));
    EXPECT_EQ(g.FG.image().copy(20, 0, 20, 40), before.copy(20, 0, 20, 40));
    EXPECT_EQ(g.FG.image().copy(0, 20, 20, 20), before.copy(0, 20, 20, 20));
}

TEST_F(Rendering, TwipsMapToTheNearestPixel)
{
    EXPECT_EQ(Surface::pixelOf(0), 0);
    EXPECT_EQ(Surface::pixelOf(300), 20);
    EXPECT_EQ(Surface::pixelOf(50), 3);
    EXPECT_EQ(Surface::pixelOf(100), 7);
    EXPECT_EQ(Surface::pixelOf(7), 0);
    EXPECT_EQ(Surface::pixelOf(8), 1);
    EXPECT_EQ(Surface::pixelOf(-50), -3);
}

TEST_F(Rendering, BallCountersFollowTheBoard)
{
    Board b = sampleBoard();
    writeMap(1, b);
    GameWindow& g = startGame(1);
    EXPECT_EQ(g.vm.text("Label21"), QStringLiteral("2"));
    EXPECT_EQ(g.vm.text("Label22"), QStringLiteral("1"));
    m.MapTile(2, 2) = 15;
    m.MapTile(4, 2) = 15;
    m.MapTile(9, 9) = 16; // looks like a big ball, is not one
    clock.advance(50);
    EXPECT_EQ(g.vm.text("Label21"), QStringLiteral("1"));
    EXPECT_EQ(g.vm.text("Label22"), QStringLiteral("0"));
    m.MapTile(3, 2) = 19;
    clock.advance(50);
    EXPECT_EQ(g.vm.text("Label21"), QStringLiteral("0"));
}

TEST_F(Rendering, CaptionFollowsTheModeWithinOneFrame)
{
    writeMap(1);
    GameWindow& g = startGame(3);
    EXPECT_EQ(g.vm.text("Caption"), QStringLiteral("   Quorral ---  Ver 4.0    [ 簡易模式 ]   下載版"));
    m.ModeName = QStringLiteral("困難模式"); // as a loaded game does
    clock.advance(50);
    EXPECT_EQ(g.vm.text("Caption"), QStringLiteral("   Quorral ---  Ver 4.0    [ 困難模式 ]   下載版"));
}

TEST_F(Rendering, TilesAnimateEveryTwoHundredMilliseconds)
{
    Board b = sampleBoard();
    const std::pair<TileCode, TileCode> steps[] = {{39, 20}, {20, 21}, {53, 50}, {50, 51}, {58, 55},
                                                   {87, 84}, {19, 19}, {40, 40}, {49, 49}, {54, 54},
                                                   {59, 59}, {83, 83}, {88, 88}, {0, 0}};
    int i = 0;
    for (auto [from, to] : steps)
        b(10 + i / 10, 5 + i % 10) = from, ++i;
    writeMap(1, b);
    GameWindow& g = startGame(1);
    clock.advance(199);
    EXPECT_EQ(m.MapTile(10, 5), 39);
    clock.advance(1);
    i = 0;
    for (auto [from, to] : steps) {
        EXPECT_EQ(m.MapTile(10 + i / 10, 5 + i % 10), to) << from;
        ++i;
    }
    // The river comes back to its first picture after 20 steps (4 s).
    clock.advance(3800);
    EXPECT_EQ(m.MapTile(10, 5), 39);
    EXPECT_EQ(m.MapTile(10, 7), 53); // the campfire went round five times
    (void)g;
}

TEST_F(Rendering, HighPixelRatioSurfaceIsTheSameBoardScaled)
{
    writeMap(1);
    GameWindow& g = startGame(1);
    calmGhosts();
    clock.advance(50);
    g.FG.drawMasked(SpriteSet::UGhoPic, 6, 2, 600, 900);
    Surface big(2);
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r)
            big.copyTile(m.MapTile(c, r), c, r);
    big.drawMasked(SpriteSet::SprPic, 8, 0, m.SprX, m.SprY);
    big.drawMasked(SpriteSet::UGhoPic, 6, 2, 600, 900);
    const QImage scaled = g.FG.image().scaled(1040, 800, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_EQ(big.image().convertToFormat(QImage::Format_RGB32), scaled.convertToFormat(QImage::Format_RGB32));
    // Ratios beyond what any screen has are drawn at four times the size.
    EXPECT_EQ(Pictures::forScale(9).scale(), 4);
    EXPECT_EQ(Pictures::forScale(0).scale(), 1);
}

} // namespace
