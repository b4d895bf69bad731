#include "GameFixture.h"
#include "HighScoreFile.h"
#include "HighScoreForm.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>

namespace {

class HighScores : public GameFixture {
protected:
    QString tablePath() const { return dir.path() + QStringLiteral("/save/high.tm"); }
    QByteArray fileBytes() const
    {
        QFile f(tablePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeTable(const QByteArray& bytes)
    {
        QDir(dir.path()).mkpath(QStringLiteral("save"));
        QFile f(tablePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The text of the file a table makes, written out by hand.
    static QByteArray bytesOf(const std::vector<std::pair<const char*, int>>& entries)
    {
        QByteArray out;
        for (const auto& [name, score] : entries)
            out += QByteArray(name) + "\r\n" + QByteArray::number(score) + "\r\n";
        return out;
    }
};

// The end of a game offers its score: a strictly better score asks a name and
// takes the place of the first entry it beats, the old tenth dropping out; an
// equal or lower score, or a cancelled name, leaves the file's bytes alone.
// Every road but the cancelled name opens the table over a locked game window.
TEST_F(HighScores, OfferedScoresAndTheFileTheyLeave)
{
    const QByteArray before = bytesOf({{"A", 900}, {"B", 800}, {"C", 700}, {"D", 600}, {"E", 500},
                                       {"F", 400}, {"G", 300}, {"H", 200}, {"I", 100}, {"J", 50}});
    struct Case {
        int score;
        QString answer;
        QByteArray after; // empty: unchanged
        bool asked, window;
    };
    const Case cases[] = {
        {500, "新手",
         bytesOf({{"A", 900}, {"B", 800}, {"C", 700}, {"D", 600}, {"E", 500}, {"新手", 500}, {"F", 400},
                  {"G", 300}, {"H", 200}, {"I", 100}}),
         true, true},
        {1000, "王\r\n者",
         bytesOf({{"王者", 1000}, {"A", 900}, {"B", 800}, {"C", 700}, {"D", 600}, {"E", 500}, {"F", 400},
                  {"G", 300}, {"H", 200}, {"I", 100}}),
         true, true},
        {51, "末",
         bytesOf({{"A", 900}, {"B", 800}, {"C", 700}, {"D", 600}, {"E", 500}, {"F", 400}, {"G", 300},
                  {"H", 200}, {"I", 100}, {"末", 51}}),
         true, true},
        {50, "不問", {}, false, true},
        {0, "不問", {}, false, true},
        {501, "", {}, true, false},
        // A typed name keeps the first twelve characters, never half an emoji.
        {1000, "一二三四五六七八九十壹貳參",
         bytesOf({{"一二三四五六七八九十壹貳", 1000}, {"A", 900}, {"B", 800}, {"C", 700}, {"D", 600}, {"E", 500},
                  {"F", 400}, {"G", 300}, {"H", 200}, {"I", 100}}),
         true, true},
        {1000, "一二三四五六七八九十壹😀",
         bytesOf({{"一二三四五六七八九十壹", 1000}, {"A", 900}, {"B", 800}, {"C", 700}, {"D", 600}, {"E", 500},
                  {"F", 400}, {"G", 300}, {"H", 200}, {"I", 100}}),
         true, true},
        // As the name box leaves it: cut at twelve units, inside the emoji.
        {1000, QStringLiteral("一二三四五六七八九十壹") + QChar(0xD83D),
         bytesOf({{"一二三四五六七八九十壹", 1000}, {"A", 900}, {"B", 800}, {"C", 700}, {"D", 600}, {"E", 500},
                  {"F", 400}, {"G", 300}, {"H", 200}, {"I", 100}}),
         true, true},
    };
    GameWindow& g = startCalm(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        writeTable(before);
        host.boxes.clear();
        host.log.clear();
        host.inputs = {c.answer};
        g.OfferScore(c.score);
        EXPECT_EQ(fileBytes(), c.after.isEmpty() ? before : c.after);
        ASSERT_EQ(host.boxes.size(), c.asked ? 1u : 0u);
        if (c.asked)
            EXPECT_EQ(std::make_pair(host.boxes[0].text, host.boxes[0].title),
                      std::make_pair(QStringLiteral("請輸入姓名後按確定"), QStringLiteral("匿名")));
        EXPECT_EQ(host.log.contains(QStringLiteral("ShowHighScoreWindow")), c.window);
        EXPECT_EQ(g.vm.enabled("Form1"), !c.window);
        g.vm.setEnabled(QStringLiteral("Form1"), true);
    }
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/save/temp.tm"))) << "no scratch file is left behind";
}

// The window shows the table as the file holds it, leniently: a short,
// LF-only or damaged file still shows, and the next offer writes it whole.
// Without a save folder the offer makes one.
TEST_F(HighScores, DamagedOrMissingTables)
{
    GameWindow& g = startCalm(1);
    g.OfferScore(0); // nothing to beat in an empty table: no name, no file
    EXPECT_FALSE(QFile::exists(tablePath()));
    host.inputs = {QStringLiteral("第一")};
    bool locked = false; // the folder is made in time for the lock
    host.whileBoxUp = [&] { locked = QFile::exists(tablePath() + QStringLiteral(".lock")); };
    g.OfferScore(70);
    EXPECT_TRUE(locked);
    host.whileBoxUp = nullptr;
    EXPECT_EQ(fileBytes(), bytesOf({{"第一", 70}, {"", 0}, {"", 0}, {"", 0}, {"", 0}, {"", 0}, {"", 0}, {"", 0},
                                    {"", 0}, {"", 0}}));

    writeTable("A\n  900 points\r\nB\r\nabc\r\nC\r\n-5\nD\r\n");
    HighScoreForm form(program);
    const QStringList want = {"1 A 900", "2 B 0", "3 C -5", "4 D 0", "5  0", "6  0", "7  0", "8  0", "9  0", "10  0"};
    QStringList seen;
    for (int i = 0; i < 10; ++i)
        seen << form.vm.text(QStringLiteral("lb1%1").arg(i)) + QLatin1Char(' ') +
                    form.vm.text(QStringLiteral("names%1").arg(i)) + QLatin1Char(' ') +
                    form.vm.text(QStringLiteral("Scores%1").arg(i));
    EXPECT_EQ(seen, want);
    EXPECT_EQ(form.vm.text("Caption"), QStringLiteral("Quorral --- 排行榜"));
    EXPECT_EQ((QStringList{form.vm.text("lb20"), form.vm.text("lb21"), form.vm.text("lb22"), form.vm.text("Command1")}),
              (QStringList{"排名", "大名", "分數", "確定"}));

    host.inputs = {QStringLiteral("新")};
    g.OfferScore(1);
    EXPECT_EQ(fileBytes(), bytesOf({{"A", 900}, {"新", 1}, {"B", 0}, {"C", -5}, {"D", 0}, {"", 0}, {"", 0}, {"", 0},
                                    {"", 0}, {"", 0}}));
}

// A table that cannot be written says so and why, and still shows the old one.
TEST_F(HighScores, AFailedWriteIsReported)
{
    GameWindow& g = startCalm(1);
    QFile blocker(dir.path() + QStringLiteral("/save"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    host.inputs = {QStringLiteral("某人")};
    g.OfferScore(10);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].title, QStringLiteral("排行榜"));
    EXPECT_TRUE(host.boxes[1].text.startsWith(QStringLiteral("無法更新排行榜"))) << host.boxes[1].text.toStdString();
    EXPECT_TRUE(host.highScoresOpen);

    // A table the player made read-only.
    ASSERT_TRUE(QFile::remove(dir.path() + QStringLiteral("/save")));
    writeTable(bytesOf({{"A", 900}}));
    ASSERT_TRUE(QFile::setPermissions(tablePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    host.boxes.clear();
    host.inputs = {QStringLiteral("某人")};
    g.OfferScore(10);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_TRUE(host.boxes[1].text.endsWith(QStringLiteral("這個檔案設為只能讀取，不能改寫。"))) << host.boxes[1].text.toStdString();
    EXPECT_EQ(fileBytes(), bytesOf({{"A", 900}}));
}

// One game at a time reads, asks and writes the table. While another holds
// it, the offer waits a few seconds, then asks whether to try again: No
// enters nothing, Yes waits again; the lock is held while the name is asked
// and let go afterwards.
TEST_F(HighScores, TwoGamesTakeTurnsAtTheTable)
{
    GameWindow& g = startCalm(1);
    QDir(dir.path()).mkpath(QStringLiteral("save"));
    QLockFile other(tablePath() + QStringLiteral(".lock"));
    ASSERT_TRUE(other.tryLock());
    g.OfferScore(0); // enters nothing: shows the table at once
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.highScoresOpen);
    host.highScoresOpen = false;
    host.answers = {false};
    g.OfferScore(10);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("確定訊息"));
    EXPECT_TRUE(host.boxes[0].text.contains(QStringLiteral("另一個遊戲正在更新排行榜"))) << host.boxes[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(tablePath()));
    EXPECT_FALSE(host.highScoresOpen);

    host.boxes.clear();
    host.answers = {true};
    host.inputs = {QStringLiteral("後來")};
    bool heldWhileAsked = false;
    host.whileBoxUp = [&] {
        if (host.boxes.back().title == QStringLiteral("匿名")) {
            QLockFile probe(tablePath() + QStringLiteral(".lock"));
            heldWhileAsked = !probe.tryLock();
        }
        other.unlock(); // the other game is done
    };
    g.OfferScore(10);
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_TRUE(heldWhileAsked);
    EXPECT_EQ(highscores::read(tablePath())[0], (highscores::Entry{QStringLiteral("後來"), 10}));
    EXPECT_TRUE(host.highScoresOpen);
    EXPECT_TRUE(other.tryLock()) << "the offer let go of the table";
}

// A lock whose owner cannot be tested, left empty by a power cut or taken on
// another machine sharing the folder, is taken over after ten minutes; a
// younger one, or an old one of a game still running here, is waited for.
TEST_F(HighScores, AbandonedLocksAreTakenOver)
{
    GameWindow& g = startCalm(1);
    const QString lockPath = tablePath() + QStringLiteral(".lock");
    const struct {
        const char* what;
        bool runningHere; // the lock of a game running on this machine
        QByteArray owner; // else what the lock file holds
        int minutesOld;
        bool takenOver;
    } rows[] = {
        {"left empty", false, "", 11, true},
        {"another machine's", false, "4242\nMibbet\nanother-machine\nanother-id\n", 11, true},
        {"another machine's, younger", false, "4242\nMibbet\nanother-machine\nanother-id\n", 9, false},
        {"a running game's", true, "", 11, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        writeTable(bytesOf({{"A", 900}}));
        QLockFile running(lockPath);
        QFile lock(lockPath);
        if (r.runningHere) {
            ASSERT_TRUE(running.tryLock());
            ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
        } else {
            ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
            lock.write(r.owner);
            lock.flush();
        }
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60 * r.minutesOld),
                                     QFileDevice::FileModificationTime));
        lock.close();
        host.boxes.clear();
        host.inputs = {QStringLiteral("接手")};
        host.answers = {false};
        g.OfferScore(1000);
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].title, r.takenOver ? QStringLiteral("匿名") : QStringLiteral("確定訊息"));
        EXPECT_EQ(highscores::read(tablePath())[0].name, r.takenOver ? QStringLiteral("接手") : QStringLiteral("A"));
        EXPECT_EQ(QFile::exists(lockPath), !r.takenOver) << "a lock taken over is let go afterwards";
        running.unlock();
        QFile::remove(lockPath);
    }
}

// The menu, the toolbar and the end of a game all lock the game window while
// the table shows; the game runs on meanwhile, and "確定" unlocks it.
TEST_F(HighScores, TheWindowLocksTheGameButDoesNotPauseIt)
{
    GameWindow& g = startCalm(1);
    for (const auto& open : std::vector<std::function<void()>>{[&] { g.ShowHighScores(); },
                                                               [&] { g.Toolbar1_ButtonClick(13); }}) {
        host.log.clear();
        open();
        EXPECT_TRUE(host.highScoresOpen);
        EXPECT_FALSE(g.vm.enabled("Form1"));
        const std::int16_t timeLeft = g.f.TimeLeft;
        clock.advance(2000);
        EXPECT_EQ(g.f.TimeLeft, timeLeft - 2) << "the stage clock runs on behind the table";
        HighScoreForm form(program);
        form.Command1_Click();
        EXPECT_TRUE(g.vm.enabled("Form1"));
        EXPECT_FALSE(host.highScoresOpen);
        EXPECT_EQ(host.log.mid(host.log.indexOf(QStringLiteral("CloseHighScoreWindow"))),
                  (QStringList{"CloseHighScoreWindow", "ShowGameWindow"}));
    }
}

} // namespace
