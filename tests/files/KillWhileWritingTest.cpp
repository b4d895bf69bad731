#include "BaseMazeForm.h"
#include "BasePattern.h"
#include "EditorModel.h"
#include "HighScoreFile.h"
#include "SafeFile.h"
#include "SavedGameFile.h"
#include "StageMapFile.h"
#include "TileCatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The editor's boxes in the child: every map is saved as "7", every question
// answered No.
class SavingHost : public EditorHost {
public:
    explicit SavingHost(QString dir) : dir_(std::move(dir)) {}
    void MsgBox(const QString&, const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    QString InputBox(const QString&, const QString&) override { return QStringLiteral("7"); }
    double Rnd() override { return 0; }
    void Randomize() override {}
    QString AppDir() const override { return dir_; }

private:
    QString dir_;
};

// Two versions of a board, each as the editor saves it (start cells floor)
// without asking: every ball within reach.
Board version(int v)
{
    Board b;
    b.cells.fill(v ? TileCode{17} : TileCode{0});
    for (int c = 0; c < BoardCols; ++c)
        b(c, c % BoardRows) = v ? TileCode{6} : TileCode{15};
    b(EditorModel::PlayerCol, EditorModel::PlayerRow) = tiles::Floor;
    b(EditorModel::GhostCol, EditorModel::GhostRow) = tiles::Floor;
    return b;
}

// A child process saves the high-score table, a game, a stage map and the
// base pattern over and over through the programs' own save paths, switching
// between two versions of each, and is killed at a random moment, hundreds of
// times: every file is always one version or the other, whole.
TEST(KillWhileWriting, FilesAreAlwaysOldOrNewAndWhole)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("map"));
    const QString table = highscores::pathIn(dir.path());
    const QString game = dir.path() + QStringLiteral("/save/遊戲.rgm");
    const QString map = dir.path() + QStringLiteral("/map/map7");
    const QString pattern = basepattern::pathIn(dir.path());
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
    const QByteArray mapBytes[] = {QByteArray::fromStdString(stagemap::format(version(0))),
                                   QByteArray::fromStdString(stagemap::format(version(1)))};
    const QByteArray row[] = {"111111111\r\n", "000000000\r\n"};
    const QByteArray patternBytes[] = {row[0].repeated(9), row[1].repeated(9)};
    QString why;
    ASSERT_TRUE(highscores::write(table, a, &why));
    ASSERT_TRUE(safefile::write(game, gameBytes[0], &why));
    ASSERT_TRUE(stagemap::write(map.toStdString(), version(0)));
    ASSERT_TRUE(safefile::write(pattern, patternBytes[0], &why));

    std::mt19937 rng(20261209);
    // The kill comes within two rounds of writing, however long a round takes here.
    std::uniform_real_distribution<double> wait(0.0, 2.0);
    int killed = 0;
    int flips[4] = {};
    QByteArray last[4];
    for (int run = 0; run < 300; ++run) {
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            QString error;
            SavingHost host(dir.path());
            EditorModel editor(host);
            editor.boardEnabled = true;
            for (unsigned n = 0;; ++n) {
                const int v = n % 2 ? 0 : 1;
                highscores::write(table, v ? b : a, &error);
                safefile::write(game, gameBytes[v], &error);
                editor.EdBoard = version(v);
                editor.SaveFile_Click();
                BaseMazeForm form(host);
                form.Command1_Click();
                if (v)
                    form.Command3_Click(); // all balls
                else
                    form.Command2_Click(); // all walls
                form.Command4_Click();
                if (n < 2 && write(started[1], "!", 1) != 1) // a whole round done
                    _exit(1);
            }
        }
        char signal = 0;
        ASSERT_EQ(read(started[0], &signal, 1), 1);
        const auto first = std::chrono::steady_clock::now();
        ASSERT_EQ(read(started[0], &signal, 1), 1);
        const auto round = std::chrono::steady_clock::now() - first;
        close(started[0]);
        close(started[1]);
        std::this_thread::sleep_for(std::chrono::duration_cast<std::chrono::microseconds>(round * wait(rng)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        killed += WIFSIGNALED(status);
        const QByteArray t = contents(table), g = contents(game), m = contents(map), p = contents(pattern);
        ASSERT_TRUE(t == tableBytes[0] || t == tableBytes[1]) << "run " << run << ": " << t.size() << " bytes";
        ASSERT_TRUE(g == gameBytes[0] || g == gameBytes[1]) << "run " << run << ": " << g.size() << " bytes";
        ASSERT_TRUE(m == mapBytes[0] || m == mapBytes[1]) << "run " << run << ": " << m.size() << " bytes";
        ASSERT_TRUE(p == patternBytes[0] || p == patternBytes[1]) << "run " << run << ": " << p.size() << " bytes";
        ASSERT_TRUE(savedgame::parse(g).record.has_value());
        ASSERT_TRUE(stagemap::parse(m.toStdString()).ok());
        const QByteArray now[] = {t, g, m, p};
        for (int k = 0; k < 4; ++k) {
            flips[k] += now[k] != last[k];
            last[k] = now[k];
        }
    }
    EXPECT_EQ(killed, 300);
    // The child got to write every file, and was caught at both versions of each.
    for (int k = 0; k < 4; ++k)
        EXPECT_GT(flips[k], 30) << "file " << k;
}

} // namespace
