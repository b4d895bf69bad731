#include "BaseMazeForm.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <ostream>

// Texts compared as UTF-8, so a failure prints them readably.
#define EXPECT_TEXT(a, b) EXPECT_EQ(QString(a).toStdString(), QString(b).toStdString())

namespace {

class Host : public EditorHost {
public:
    QStringList boxes; // "title: text" of every box
    std::deque<bool> answers;
    QString dir;
    void MsgBox(const QString& text, const QString& title) override { boxes << title + QStringLiteral(": ") + text; }
    bool AskYesNo(const QString& text, const QString& title) override
    {
        boxes << title + QStringLiteral(": ") + text;
        const bool a = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return a;
    }
    QString InputBox(const QString&, const QString&) override { return {}; }
    double Rnd() override { return 0; }
    void Randomize() override {}
    QString AppDir() const override { return dir; }
};

class BaseMaze : public ::testing::Test {
protected:
    BaseMaze()
    {
        host.dir = dir.path();
        QDir(dir.path()).mkpath(QStringLiteral("map"));
    }
    QString path() const { return dir.path() + QStringLiteral("/map/BaseMaze.bme"); }
    void writeFile(const QByteArray& bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray fileBytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // The grid as captions: W wall, B ball, . blank.
    QString grid() const
    {
        QString s;
        for (const auto& b : form.Cmd)
            s += b.caption == QStringLiteral("牆") ? QLatin1Char('W') : b.caption == QStringLiteral("球") ? QLatin1Char('B') : QLatin1Char('.');
        return s;
    }

    QTemporaryDir dir;
    Host host;
    BaseMazeForm form{host};
};

const QByteArray Nine = "000000000\r\n000000000\r\n101010101\r\n000000000\r\n000000000\r\n000000000\r\n000000000\r\n"
                        "000000000\r\n000000000\r\n";

// Loading shows walls and balls; a toggle twice restores the text and then
// closing asks nothing; a changed pattern asks, Yes writes and No does not.
TEST_F(BaseMaze, LoadToggleAndClose)
{
    form.Command1_Click();
    EXPECT_EQ(host.boxes.size(), 1) << "a missing file is reported";
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(form.command1Enabled);
    host.boxes.clear();

    writeFile(Nine);
    form.Command1_Click();
    EXPECT_TRUE(form.loaded());
    EXPECT_EQ((std::vector<bool>{form.command1Enabled, form.command2Enabled, form.command3Enabled, form.command4Enabled,
                                 form.text1Enabled}),
              (std::vector<bool>{false, true, true, true, true}));
    EXPECT_TEXT(grid().mid(18, 9), QStringLiteral("WBWBWBWBW"));
    EXPECT_EQ(form.Cmd[18].colour, BaseMazeForm::Wall);
    EXPECT_EQ(form.Cmd[19].colour, BaseMazeForm::Ball);
    const QString loaded = form.Text1;
    EXPECT_TEXT(loaded + QStringLiteral("\r\n"), QString::fromLatin1(Nine));
    form.Cmd_Click(40);
    EXPECT_TEXT(form.Cmd[40].caption, QStringLiteral("牆"));
    form.Cmd_Click(40);
    EXPECT_TEXT(form.Text1, loaded);
    EXPECT_TRUE(form.Form_Unload());
    EXPECT_TRUE(host.boxes.isEmpty());

    for (const bool yes : {false, true}) {
        form.Cmd_Click(yes ? 1 : 0); // one more cell changed each time
        host.answers = {yes};
        EXPECT_TRUE(form.Form_Unload());
        ASSERT_FALSE(host.boxes.isEmpty());
        EXPECT_TEXT(host.boxes.takeLast(), QStringLiteral("儲存: 要儲存修改嗎？"));
        EXPECT_EQ(fileBytes(), yes ? form.Text1.toLatin1() + "\r\n" : Nine);
    }

    // Yes, and the file cannot be written (a folder took its place): the
    // failure is told and the window stays open with the changes.
    form.Cmd_Click(2);
    const QString changed = form.Text1;
    QFile::remove(path());
    QDir(dir.path()).mkpath(QStringLiteral("map/BaseMaze.bme"));
    host.answers = {true};
    EXPECT_FALSE(form.Form_Unload());
    ASSERT_EQ(host.boxes.size(), 2);
    EXPECT_TRUE(host.boxes[1].startsWith(QStringLiteral("儲存資料: 無法儲存基底圖群檔"))) << host.boxes[1].toStdString();
    EXPECT_TRUE(form.loaded());
    EXPECT_TEXT(form.Text1, changed);
}

// A short file: the cells it lacks are balls that toggle like any other,
// as the generator reads them; the text stays the file's until a change.
TEST_F(BaseMaze, ShortFilesFillWithBalls)
{
    writeFile("101010101\r\n111\r\n");
    form.Command1_Click();
    EXPECT_TEXT(grid(), QStringLiteral("WBWBWBWBW") + QStringLiteral("WWWBBBBBB") + QString(63, QLatin1Char('B')));
    EXPECT_TRUE(form.Cmd[80].enabled);
    EXPECT_TEXT(form.Text1, QStringLiteral("101010101\r\n111"));
    EXPECT_TRUE(form.Form_Unload()) << "nothing changed";
    EXPECT_TRUE(host.boxes.isEmpty());
    form.Cmd_Click(80);
    EXPECT_TEXT(grid().right(1), QStringLiteral("W"));
    EXPECT_TEXT(form.Text1, QStringLiteral("101010101\r\n111000000") + QStringLiteral("\r\n000000000").repeated(6) +
                                QStringLiteral("\r\n000000001"));
}

// All walls then save: nine lines of nine "1" with CR LF, 99 bytes; saving
// empties and disables the grid, and a close then asks nothing. A digit
// other than 0 and 1 stays blank, does not toggle, and keeps its place.
TEST_F(BaseMaze, AllWallsSaveAndOtherDigits)
{
    QByteArray odd = Nine;
    odd[4] = '2';
    writeFile(odd);
    form.Command1_Click();
    EXPECT_TEXT(form.Cmd[4].caption, QString());
    EXPECT_EQ(form.Cmd[4].colour, BaseMazeForm::Blank);
    form.Cmd_Click(4);
    EXPECT_TEXT(form.Cmd[4].tag, QStringLiteral("2"));
    form.Cmd_Click(5);
    EXPECT_TRUE(form.Text1.startsWith(QStringLiteral("000021000\r\n")));

    form.Command3_Click();
    EXPECT_TEXT(grid(), QString(81, QLatin1Char('B')));
    form.Command2_Click();
    EXPECT_TEXT(grid(), QString(81, QLatin1Char('W')));
    form.Command4_Click();
    QByteArray walls;
    for (int i = 0; i < 9; ++i)
        walls += "111111111\r\n";
    EXPECT_EQ(fileBytes(), walls);
    EXPECT_EQ(fileBytes().size(), 99);
    EXPECT_TEXT(grid(), QString(81, QLatin1Char('.')));
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(form.command1Enabled && !form.command2Enabled && !form.command4Enabled);
    EXPECT_TEXT(form.Text1 + QStringLiteral("\r\n"), QString::fromLatin1(walls)) << "the saved text stays on display";
    form.Command2_Click(); // no longer loaded: the grid stays blank for the save's tags
    host.boxes.clear();
    form.Form_Unload();
    EXPECT_TRUE(host.boxes.isEmpty());
}

} // namespace
