#include "HighScoreFile.h"
#include "SafeFile.h"
#include "SavedGameFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A child process rewrites the high-score table and a saved game over and
// over, switching between two versions, and is killed at a random moment,
// hundreds of times: each file is always one version or the other, whole.
TEST(KillWhileWriting, FilesAreAlwaysOldOrNewAndWhole)
{
    QTemporaryDir dir;
    const QString table = highscores::pathIn(dir.path());
    const QString game = dir.path() + QStringLiteral("/save/遊戲.rgm");
    highscores::Table a, b;
    for (int k = 0; k < highscores::Entries; ++k) {
        a[k] = {QStringLiteral("甲%1").arg(k), 1000 - k};
        b[k] = {QStringLiteral("乙乙乙%1").arg(k), 90000 - k};
    }
    savedgame::Record x, y;
    x.Level = y.Level = 1;
    x.GhoMvBase = y.GhoMvBase = 100;
    y.Score = 123456;
    y.ModeName = QStringLiteral("困難模式");
    y.board.cells.fill(15);
    const QByteArray tableBytes[] = {highscores::format(a), highscores::format(b)};
    const QByteArray gameBytes[] = {savedgame::format(x), savedgame::format(y)};
    QString why;
    ASSERT_TRUE(highscores::write(table, a, &why));
    ASSERT_TRUE(safefile::write(game, gameBytes[0], &why));

    std::mt19937 rng(20261209);
    std::uniform_int_distribution<int> wait(0, 3000); // microseconds after the first round
    int killed = 0, flips = 0;
    QByteArray last;
    for (int run = 0; run < 300; ++run) {
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            QString error;
            for (unsigned n = 0;; ++n) {
                highscores::write(table, n % 2 ? a : b, &error);
                safefile::write(game, gameBytes[n % 2 ? 0 : 1], &error);
                if (n == 0 && write(started[1], "!", 1) != 1) // one whole round done
                    _exit(1);
            }
        }
        char signal = 0;
        ASSERT_EQ(read(started[0], &signal, 1), 1);
        close(started[0]);
        close(started[1]);
        usleep(static_cast<useconds_t>(wait(rng)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        killed += WIFSIGNALED(status);
        const QByteArray t = contents(table), g = contents(game);
        ASSERT_TRUE(t == tableBytes[0] || t == tableBytes[1]) << "run " << run << ": " << t.size() << " bytes";
        ASSERT_TRUE(g == gameBytes[0] || g == gameBytes[1]) << "run " << run << ": " << g.size() << " bytes";
        ASSERT_TRUE(savedgame::parse(g).record.has_value());
        flips += t != last;
        last = t;
    }
    EXPECT_EQ(killed, 300);
    // The child got to write, and was caught at both versions.
    EXPECT_GT(flips, 30);
}

} // namespace
