#include "PlayerSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// What one program writes, the next start (of either program) reads.
TEST(PlayerSettings, RoundTripFromAMissingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/mibbet/mibbet.conf"));
    {
        PlayerSettings fresh(path);
        EXPECT_TRUE(fresh.soundEffects());
        EXPECT_TRUE(fresh.music());
        EXPECT_FALSE(fresh.gameWindow());
        fresh.setSoundEffects(false);
        fresh.setGameWindow({QStringLiteral("HDMI-1"), QPoint(-40, 120)});
        EXPECT_FALSE(fresh.gameFactor());
        fresh.setGameFactor(3);
    }
    PlayerSettings next(path);
    EXPECT_FALSE(next.soundEffects());
    EXPECT_TRUE(next.music());
    EXPECT_EQ(next.gameWindow(), PlayerSettings::Place({QStringLiteral("HDMI-1"), QPoint(-40, 120)}));
    EXPECT_EQ(next.gameFactor(), 3);
    next.setSoundEffects(true);
    next.setMusic(false);
    PlayerSettings last(path);
    EXPECT_TRUE(last.soundEffects());
    EXPECT_FALSE(last.music());
    // Written whole and put in place: no scratch file is left beside it.
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("config/mibbet"))).entryList(QDir::Files),
              QStringList({QStringLiteral("mibbet.conf")}));
}

// Whatever the file holds, a start reads the defaults where it makes no sense,
// and the next choice writes a good file again.
TEST(PlayerSettings, DamagedOrUnreadableFilesMeanDefaults)
{
    const struct {
        const char* what;
        QByteArray bytes;
        bool effects, music, place;
    } rows[] = {
        {"binary garbage", QByteArray("\x00\xff\xfe[\x01=\x02\n\xc3", 9), true, true, false},
        {"a group that never closes", "[sound\neffects=false\n", true, true, false},
        {"words for flags", "[sound]\neffects=no\nmusic=0\n", true, true, false},
        {"a place of letters", "[gameWindow]\nscreen=X\nleft=a\ntop=20\n", true, true, false},
        {"a place off every screen", "[gameWindow]\nscreen=X\nleft=100001\ntop=5\n", true, true, false},
        {"the farthest place", "[gameWindow]\nscreen=X\nleft=-100000\ntop=100000\n", true, true, true},
        {"half a place", "[gameWindow]\nscreen=X\ntop=20\n", true, true, false},
        {"no size", "[gameWindow]\nfactor=0\n", true, true, false},
        {"a size past the largest", "[gameWindow]\nfactor=9\n", true, true, false},
        {"good values", "[sound]\neffects=false\nmusic=false\n[gameWindow]\nscreen=X\nleft=-10\ntop=20\n",
         false, false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mibbet.conf"));
        put(path, row.bytes);
        PlayerSettings s(path);
        EXPECT_EQ(s.soundEffects(), row.effects);
        EXPECT_EQ(s.music(), row.music);
        EXPECT_EQ(s.gameWindow().has_value(), row.place);
        EXPECT_FALSE(s.gameFactor());
        s.setMusic(false);
        PlayerSettings again(path);
        EXPECT_FALSE(again.music());
        EXPECT_EQ(again.soundEffects(), row.effects);
    }
    // A folder where the file should be: defaults, and choices that cannot be kept.
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("mibbet.conf")));
    PlayerSettings s(dir.filePath(QStringLiteral("mibbet.conf")));
    EXPECT_TRUE(s.music());
    s.setMusic(false);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("mibbet.conf"))).isDir());
}

} // namespace
