// What the game sends to the screen and the sound device, and what it
// leaves alone: a frame that changes no pixel costs nothing, and the tune
// is decoded as it plays.
#include "BoardView.h"
#include "Mp3Decoder.h"
#include "MusicChannel.h"
#include "Surface.h"

#include <QApplication>
#include <QFile>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Collects the areas the board repaints.
struct PaintLog : QObject {
    QRegion painted;
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(e)->region();
            ++paints;
        }
        return false;
    }
};

TEST(QuietBoard, OnlyCellsWhosePixelsChangedAreRepainted)
{
    Surface fg;
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r)
            fg.copyTile(1, c, r);
    BoardView board(fg);
    board.show();
    board.refresh();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
    QApplication::processEvents();
    PaintLog log;
    board.installEventFilter(&log);
    const auto frame = [&] {
        log.painted = QRegion();
        log.paints = 0;
        board.refresh();
        QApplication::processEvents();
    };

    // The character over cell (3, 4), then drawn again where it stands.
    fg.drawMasked(SpriteSet::SprPic, 8, 0, 3 * 300, 4 * 300);
    frame();
    EXPECT_EQ(log.painted, QRegion(60, 80, 20, 20));
    fg.drawMasked(SpriteSet::SprPic, 8, 0, 3 * 300, 4 * 300);
    frame();
    EXPECT_EQ(log.paints, 0);

    // Half-way between two cells it covers both; a tile put back over
    // one of them repaints that one alone.
    fg.drawMasked(SpriteSet::SprPic, 8, 0, 3 * 300 + 150, 4 * 300);
    frame();
    EXPECT_EQ(log.painted, QRegion(60, 80, 40, 20));
    fg.drawMasked(SpriteSet::SprPic, 8, 0, 3 * 300, 4 * 300 + 150); // and so between two rows
    frame();
    EXPECT_EQ(log.painted, QRegion(60, 80, 20, 40));
    fg.copyTile(2, 3, 4);
    frame();
    EXPECT_EQ(log.painted, QRegion(60, 80, 20, 20));
    // The corners of the board count like any other cell.
    fg.copyTile(2, 0, 0);
    fg.copyTile(2, BoardCols - 1, BoardRows - 1);
    frame();
    EXPECT_EQ(log.painted, QRegion(0, 0, 20, 20) + QRegion(500, 380, 20, 20));
    // What is on the screen is what the surface holds.
    EXPECT_EQ(board.grab().toImage().convertToFormat(QImage::Format_RGB32), fg.image());
}

QString tune() { return QStringLiteral(MIBBET_SOURCE_DIR "/data/bgm/bgm5.mp3"); }

std::vector<char> readAll(Mp3Decoder& d)
{
    std::vector<char> pcm, chunk(7001); // an odd size: only whole frames come back
    for (std::int64_t got; (got = d.read(chunk.data(), std::int64_t(chunk.size()))) > 0;) {
        EXPECT_EQ(got % 4, 0);
        pcm.insert(pcm.end(), chunk.begin(), chunk.begin() + got);
    }
    return pcm;
}

TEST(Tune, DecodesTheWholeTuneAndStartsOverExactly)
{
    Mp3Decoder d;
    ASSERT_TRUE(d.open(tune()));
    EXPECT_EQ(d.sampleRate(), 44100);
    EXPECT_EQ(d.channels(), 2);
    const std::vector<char> pcm = readAll(d);
    const double seconds = double(pcm.size()) / (44100 * 4);
    EXPECT_NEAR(seconds, 191, 2);
    EXPECT_NEAR(d.lengthMs(), seconds * 1000, 100);
    EXPECT_EQ(d.read(std::vector<char>(64).data(), 64), 0); // and nothing after the end

    d.seek(0);
    std::vector<char> again(176400);
    ASSERT_EQ(d.read(again.data(), std::int64_t(again.size())), std::int64_t(again.size()));
    EXPECT_TRUE(std::equal(again.begin(), again.end(), pcm.begin()));
}

TEST(Tune, DamagedOrMissingFilesStayQuiet)
{
    QTemporaryDir dir;
    QFile whole(tune());
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const struct {
        const char* name;
        QByteArray content;
        bool opens;
        double maxSeconds;
    } cases[] = {
        {"cut.mp3", bytes.left(64 * 1024), true, 5}, // the end of the file is missing
        {"text.mp3", QByteArray("not a tune at all\n").repeated(100), false, 0},
        {"empty.mp3", QByteArray(), false, 0},
        {"missing.mp3", QByteArray(), false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        if (QByteArray(c.name) != "missing.mp3") {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.content);
        }
        Mp3Decoder d;
        EXPECT_EQ(d.open(path), c.opens);
        const double seconds = double(readAll(d).size()) / (44100 * 4);
        EXPECT_LE(seconds, c.maxSeconds);
        if (c.opens)
            EXPECT_GT(seconds, 1);
        MusicChannel channel(0.6f); // plays what there is, or nothing
        channel.open(path);
        channel.playFromStart();
        QTest::qWait(20);
        EXPECT_EQ(channel.positionMs() > 0, c.opens);
        channel.close();
        EXPECT_EQ(channel.positionMs(), 0);
    }
}

} // namespace
