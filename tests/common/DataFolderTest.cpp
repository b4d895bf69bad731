#include "DataFolder.h"
#include "SafeFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path) { return safefile::readHead(path); }

void put(const QString& path, const QByteArray& bytes)
{
    QString why;
    ASSERT_TRUE(safefile::write(path, bytes, &why)) << why.toStdString();
}

// Every file below a folder with its bytes, to see that nothing changed.
QStringList snapshot(const QString& dir)
{
    QStringList files;
    for (QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files << path + QLatin1Char('=') + QString::fromLatin1(bytesOf(path).toHex());
    }
    files.sort();
    return files;
}

// Which folder each program uses, from the layout around it and the state
// of the player's own folder.
TEST(DataFolder, TheDecision)
{
    enum class Player { Missing, ChangedTable, FileInItsPlace, NoHome };
    enum class Uses { Program, Player, Shipped };
    const struct {
        const char* what;
        const char* beside; // the folders beside the program
        bool installed;
        Player player;
        Uses data;
        bool problem;
    } rows[] = {
        {"map/ and save/ beside the program, installed or not", "map save", true, Player::Missing, Uses::Program, false},
        {"installed, first start", "", true, Player::Missing, Uses::Player, false},
        {"installed, a map/ alone beside the program", "map", true, Player::Missing, Uses::Player, false},
        {"installed, the player's table changed", "", true, Player::ChangedTable, Uses::Player, false},
        {"installed, the player's folder cannot be made", "", true, Player::FileInItsPlace, Uses::Shipped, true},
        {"installed, no home folder", "", true, Player::NoHome, Uses::Shipped, true},
        {"a program copied alone", "", false, Player::Missing, Uses::Program, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        safefile::refuseWritesBelow(QString());
        QTemporaryDir root;
        const QString program = root.path() + QStringLiteral("/usr/games");
        const QString shipped = root.path() + QStringLiteral("/usr/share/games/mibbet");
        const QString player = root.path() + QStringLiteral("/home/.local/share/mibbet");
        QDir().mkpath(program);
        for (const QString& sub : QString::fromLatin1(r.beside).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QDir().mkpath(program + QLatin1Char('/') + sub);
        if (r.installed) {
            put(shipped + QStringLiteral("/map/map1"), "shipped map");
            put(shipped + QStringLiteral("/map/BaseMaze.bme"), "shipped pattern");
            put(shipped + QStringLiteral("/save/high.tm"), "shipped table");
        }
        if (r.player == Player::ChangedTable)
            put(player + QStringLiteral("/save/high.tm"), "my table");
        if (r.player == Player::FileInItsPlace)
            put(player, "a file where the folder goes");
        const QStringList shippedBefore = snapshot(shipped);

        const datafolder::Place place = datafolder::decide(program, r.player == Player::NoHome ? QString() : player);
        const QString want[] = {program, player, shipped};
        EXPECT_EQ(place.data, want[static_cast<int>(r.data)]);
        EXPECT_EQ(place.shipped, r.data == Uses::Program ? program : shipped);
        EXPECT_EQ(place.problem.isEmpty(), !r.problem) << place.problem.toStdString();
        EXPECT_EQ(snapshot(shipped), shippedBefore) << "the shipped data is never written";
        if (r.data == Uses::Player) {
            EXPECT_EQ(bytesOf(player + QStringLiteral("/map/map1")), "shipped map");
            EXPECT_EQ(bytesOf(player + QStringLiteral("/map/BaseMaze.bme")), "shipped pattern");
            EXPECT_EQ(bytesOf(player + QStringLiteral("/save/high.tm")),
                      r.player == Player::ChangedTable ? "my table" : "shipped table");
            // The next start copies nothing over what the player changed.
            put(player + QStringLiteral("/map/map1"), "my map");
            EXPECT_EQ(datafolder::decide(program, player).data, player);
            EXPECT_EQ(bytesOf(player + QStringLiteral("/map/map1")), "my map");
        } else if (!r.problem) {
            EXPECT_FALSE(QFileInfo::exists(player)) << "the player's folder is made only for an installed game";
        }
        // Read instead of a folder that cannot be used, the shipped data refuses every write.
        QString why;
        EXPECT_EQ(safefile::write(shipped + QStringLiteral("/save/high.tm"), "new table", &why), !r.problem);
        EXPECT_TRUE(safefile::write(root.path() + QStringLiteral("/elsewhere"), "x", &why)) << "and only there";
    }
    safefile::refuseWritesBelow(QString());
}

} // namespace
