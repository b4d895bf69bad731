#include "DataFolder.h"
#include "SafeFile.h"

#include <QCryptographicHash>
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

// Paths where even root can neither read nor make a file: the kernel's own.
const QString Unreadable = QStringLiteral("/proc/sys/vm/compact_memory"); // write-only
const QString Unwritable = QStringLiteral("/proc/self");

// Which folder each program uses, from the layout around it and the state
// of the player's own folder.
TEST(DataFolder, TheDecision)
{
    enum class Player { Missing, ChangedTable, FileInItsPlace, NoHome, ShippedMapUnreadable, OneCopyFails, NoCopyWorks };
    enum class Uses { Program, Player, Shipped };
    const struct {
        const char* what;
        const char* beside; // the folders beside the program
        bool installed;
        Player player;
        Uses data;
        bool problem, unseeded;
        bool saveWritable = true; // the save/ beside the program
    } rows[] = {
        {"map/ and save/ beside the program, installed or not", "map save", true, Player::Missing, Uses::Program, false, false},
        {"installed, first start", "", true, Player::Missing, Uses::Player, false, false},
        {"installed, a map/ alone beside the program", "map", true, Player::Missing, Uses::Player, false, false},
        {"installed, the player's table changed", "", true, Player::ChangedTable, Uses::Player, false, false},
        {"installed, the player's folder cannot be made", "", true, Player::FileInItsPlace, Uses::Shipped, true, false},
        {"installed, no home folder", "", true, Player::NoHome, Uses::Shipped, true, false},
        {"installed, a shipped map cannot be read", "", true, Player::ShippedMapUnreadable, Uses::Player, false, true},
        {"installed, one missing file cannot be copied", "", true, Player::OneCopyFails, Uses::Player, false, true},
        {"installed, nothing can be copied on a first start", "", true, Player::NoCopyWorks, Uses::Shipped, true, false},
        {"a program copied alone", "", false, Player::Missing, Uses::Program, false, false},
        {"map/ and save/ beside the program in a read-only folder", "map save", false, Player::Missing, Uses::Player,
         false, false, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        safefile::refuseWritesBelow(QString());
        QTemporaryDir root;
        const QString program = root.path() + QStringLiteral("/usr/games");
        const QString installed = QDir::cleanPath(program + QStringLiteral("/" MIBBET_DATA_FROM_PROGRAM));
        const QString player = root.path() + QStringLiteral("/home/.local/share/mibbet");
        QDir().mkpath(program);
        for (const QString& sub : QString::fromLatin1(r.beside).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (sub != QStringLiteral("save") || r.saveWritable)
                QDir().mkpath(program + QLatin1Char('/') + sub);
        if (!r.saveWritable)
            QFile::link(Unwritable, program + QStringLiteral("/save"));
        const QString shipped = r.installed ? installed : program;
        if (r.installed || !r.saveWritable) {
            put(shipped + QStringLiteral("/map/map1"), "shipped map");
            put(shipped + QStringLiteral("/map/BaseMaze.bme"), "shipped pattern");
        }
        if (r.installed)
            put(shipped + QStringLiteral("/save/high.tm"), "shipped table");
        if (r.player == Player::ChangedTable || r.player == Player::OneCopyFails)
            put(player + QStringLiteral("/save/high.tm"), "my table");
        if (r.player == Player::FileInItsPlace)
            put(player, "a file where the folder goes");
        if (r.player == Player::ShippedMapUnreadable)
            QFile::link(Unreadable, shipped + QStringLiteral("/map/map2"));
        // A copy that fails, as on a full disk: the file leads where none can be made.
        for (const char* file : {"map/map1", "map/BaseMaze.bme", "save/high.tm"})
            if ((r.player == Player::OneCopyFails && file == std::string("map/map1")) || r.player == Player::NoCopyWorks) {
                QDir().mkpath(QFileInfo(player + QLatin1Char('/') + QLatin1String(file)).absolutePath());
                QFile::link(Unwritable + QStringLiteral("/nothing"), player + QLatin1Char('/') + QLatin1String(file));
            }
        const QStringList shippedBefore = snapshot(shipped);

        const datafolder::Place place = datafolder::decide(program, r.player == Player::NoHome ? QString() : player);
        const QString want[] = {program, player, shipped};
        EXPECT_EQ(place.data, want[static_cast<int>(r.data)]);
        EXPECT_EQ(place.shipped, r.data == Uses::Program ? program : shipped);
        EXPECT_EQ(place.problem.isEmpty(), !r.problem) << place.problem.toStdString();
        EXPECT_EQ(place.unseeded.isEmpty(), !r.unseeded) << place.unseeded.toStdString();
        EXPECT_EQ(snapshot(shipped), shippedBefore) << "the shipped data is never written";
        if (r.data == Uses::Player) {
            EXPECT_EQ(bytesOf(player + QStringLiteral("/map/BaseMaze.bme")), "shipped pattern");
            EXPECT_FALSE(QFileInfo::exists(player + QStringLiteral("/map/map2"))) << "nothing is copied of what cannot be read";
            if (r.player == Player::OneCopyFails)
                continue;
            EXPECT_EQ(bytesOf(player + QStringLiteral("/map/map1")), "shipped map");
            EXPECT_EQ(bytesOf(player + QStringLiteral("/save/high.tm")),
                      r.player == Player::ChangedTable ? "my table" : r.installed ? "shipped table" : "");
            // The next start copies nothing over what the player changed.
            put(player + QStringLiteral("/map/map1"), "my map");
            EXPECT_EQ(datafolder::decide(program, player).data, player);
            EXPECT_EQ(bytesOf(player + QStringLiteral("/map/map1")), "my map");
        } else if (!r.problem) {
            EXPECT_FALSE(QFileInfo::exists(player)) << "the player's folder is made only for an installed game";
        }
        // Read instead of a folder that cannot be used, the shipped data refuses every write.
        QString why;
        EXPECT_EQ(safefile::write(shipped + QStringLiteral("/map/map9"), "new map", &why), !r.problem);
        EXPECT_TRUE(safefile::write(root.path() + QStringLiteral("/elsewhere"), "x", &why)) << "and only there";
    }
    safefile::refuseWritesBelow(QString());
}

// A later package mends a shipped file: a player's copy still exactly as an
// earlier package shipped it is brought up to date; one the player changed,
// or one no package ever shipped, is left alone.
TEST(DataFolder, UpdatesReachUntouchedFiles)
{
    QTemporaryDir root;
    const QString program = root.path() + QStringLiteral("/usr/games");
    const QString shipped = QDir::cleanPath(program + QStringLiteral("/" MIBBET_DATA_FROM_PROGRAM));
    const QString player = root.path() + QStringLiteral("/home/.local/share/mibbet");
    QDir().mkpath(program);
    const auto sha = [](const QByteArray& b) { return QCryptographicHash::hash(b, QCryptographicHash::Sha256).toHex(); };
    put(shipped + QLatin1Char('/') + QLatin1String(datafolder::ShippedVersions),
        sha("map one") + "  map/map1\n" + sha("map one, mended") + "  map/map1\n" + sha("pattern") +
            "  map/BaseMaze.bme\n" + sha("table") + "  save/high.tm\n" + sha("map two") + "  map/map1\n" +
            sha("map three") + "  map/map3\n");
    put(shipped + QStringLiteral("/map/map1"), "map one, mended");
    put(shipped + QStringLiteral("/map/map2"), "map two, mended");
    put(shipped + QStringLiteral("/map/map3"), "map three, mended");
    put(shipped + QStringLiteral("/map/BaseMaze.bme"), "pattern, mended");
    put(shipped + QStringLiteral("/save/high.tm"), "table, mended");
    put(player + QStringLiteral("/map/map1"), "map one");       // as shipped before
    put(player + QStringLiteral("/map/map2"), "map two");       // listed for another file only
    put(player + QStringLiteral("/map/BaseMaze.bme"), "mine");  // changed by the player
    put(player + QStringLiteral("/save/high.tm"), "table");     // as shipped before
    put(player + QStringLiteral("/map/map3"), "map three");     // as shipped before, made read-only
    QFile::setPermissions(player + QStringLiteral("/map/map3"), QFile::ReadOwner);
    const datafolder::Place place = datafolder::decide(program, player);
    EXPECT_EQ(place.data, player);
    EXPECT_EQ(place.unseeded, QString());
    const QStringList seen = {bytesOf(player + QStringLiteral("/map/map1")), bytesOf(player + QStringLiteral("/map/map2")),
                              bytesOf(player + QStringLiteral("/map/BaseMaze.bme")),
                              bytesOf(player + QStringLiteral("/save/high.tm")), bytesOf(player + QStringLiteral("/map/map3"))};
    EXPECT_EQ(seen, (QStringList{"map one, mended", "map two", "mine", "table, mended", "map three"}));
}

// Every version of a seeded file that a package carries is in the list of
// shipped versions, so that the next package can bring it up to date.
TEST(DataFolder, EveryShippedFileIsListed)
{
    const QString data = QStringLiteral(MIBBET_SOURCE_DIR "/data");
    const QByteArray list = bytesOf(QStringLiteral(MIBBET_SOURCE_DIR "/packaging/") + QLatin1String(datafolder::ShippedVersions));
    QStringList files = QDir(data + QStringLiteral("/map")).entryList(QDir::Files);
    for (QString& f : files)
        f.prepend(QStringLiteral("map/"));
    files << QStringLiteral("save/high.tm");
    for (const QString& f : files) {
        const QByteArray line = QCryptographicHash::hash(bytesOf(data + QLatin1Char('/') + f), QCryptographicHash::Sha256).toHex() +
                                "  " + f.toUtf8();
        EXPECT_TRUE(list.split('\n').contains(line))
            << "after changing data/" << f.toStdString() << ", add its line to packaging/shipped-versions.sha256: "
            << "(cd data && sha256sum " << f.toStdString() << ")";
    }
}

// The player's own folder from the environment: a relative XDG_DATA_HOME is
// ignored, and a missing, relative or root HOME is no home.
TEST(DataFolder, ThePlayersFolder)
{
    const struct {
        const char *xdg, *home, *want;
    } rows[] = {
        {"/data", "/home/p", "/data/mibbet"},
        {"/data/", "/home/p", "/data/mibbet"},
        {"", "/home/p", "/home/p/.local/share/mibbet"},
        {"~/x", "/home/p", "/home/p/.local/share/mibbet"},
        {"data", "/home/p/", "/home/p/.local/share/mibbet"},
        {"", "", ""},
        {"", "/", ""},
        {"", "home", ""},
        {"/data", "", "/data/mibbet"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(datafolder::playerFolder(r.xdg, r.home), QString::fromLatin1(r.want)) << r.xdg << " " << r.home;
}

} // namespace
