#include "WindowsFixture.h"

#include "GameWindow.h"
#include "HighScoreWindow.h"

#include <QAction>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextDocument>
#include <QTimer>

namespace {

using SavedGamesWindows = Windows;

// Answers the next modal dialogs as they come up: an input box gets `text`
// typed and accepted, a message box is read and closed.
struct Answerer {
    QStringList seen; // "title: text" of each dialog
    int maxLength = -1; // of the last input box's field
    bool plain = true;  // no message box read its text as markup
    void answer(const QString& text, int dialogs)
    {
        QTimer::singleShot(20, [this, text, dialogs] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) {
                answer(text, dialogs); // not up yet
                return;
            }
            if (auto* input = qobject_cast<QInputDialog*>(w)) {
                seen << input->windowTitle() + QStringLiteral(": ") + input->labelText();
                maxLength = input->findChild<QLineEdit*>()->maxLength();
                input->findChild<QLineEdit*>()->setText(text);
                input->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
                seen << box->windowTitle() + QStringLiteral(": ") + box->text();
                plain = plain && box->textFormat() == Qt::PlainText;
                box->accept();
            }
            if (dialogs > 1)
                answer(text, dialogs - 1);
        });
    }
};

// The table opens from the menu over a locked game window and shows the
// file's entries on its picture; "確定" or its close box unlocks the game.
TEST_F(SavedGamesWindows, HighScoreWindowLocksTheGame)
{
    QDir(dir.path()).mkpath(QStringLiteral("save"));
    QFile table(dir.path() + QStringLiteral("/save/high.tm"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    for (int k = 0; k < 10; ++k)
        table.write(QStringLiteral("玩家%1\r\n%2\r\n").arg(k).arg(1000 - 100 * k).toUtf8());
    table.close();
    GameWindowWidget* w = choose("正常Cmd");
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 1000);

    enum Road { Ok, CloseBox, Escape };
    for (const Road road : {Ok, CloseBox, Escape}) {
        const bool byCloseBox = road == CloseBox;
        w->findChild<QAction*>(QStringLiteral("Scor"))->trigger();
        HighScoreWindow* hs = host.highScoreWindow();
        ASSERT_NE(hs, nullptr);
        EXPECT_TRUE(hs->isVisible());
        EXPECT_FALSE(w->isEnabled());
        EXPECT_EQ(hs->windowTitle(), QStringLiteral("Quorral --- 排行榜"));
        EXPECT_EQ(hs->findChild<QLabel*>(QStringLiteral("names3"))->text(), QStringLiteral("玩家3"));
        EXPECT_EQ(hs->findChild<QLabel*>(QStringLiteral("Scores9"))->text(), QStringLiteral("100"));
        EXPECT_EQ(hs->findChild<QLabel*>(QStringLiteral("lb19"))->text(), QStringLiteral("10"));
        // Every row sits on its stripe of the picture, inside the window.
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(hs->findChild<QLabel*>(QStringLiteral("names%1").arg(i))->y(), 110 + 24 * i);
        // The picture's size, with "確定" centred under the last row.
        EXPECT_EQ(hs->size(), QSize(330, 400));
        const QRect ok = hs->findChild<QPushButton*>(QStringLiteral("Command1"))->geometry();
        EXPECT_EQ(ok.left() + ok.width() / 2, hs->width() / 2);
        EXPECT_GE(ok.top(), 110 + 24 * 10);
        EXPECT_LE(ok.bottom(), hs->height() - 8);
        if (road == Ok)
            hs->grab().save(QStringLiteral(MIBBET_BINARY_DIR "/high-scores-offscreen.png"));
        const std::int16_t timeLeft = program.game()->f.TimeLeft;
        ASSERT_EVENTUALLY(program.game()->f.TimeLeft < timeLeft, 3000); // not paused
        if (road == Escape)
            QTest::keyClick(hs, Qt::Key_Escape);
        else if (byCloseBox)
            hs->close();
        else
            QTest::mouseClick(hs->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(host.highScoreWindow(), nullptr);
        EXPECT_TRUE(w->isEnabled());
    }
}

// A table left open from the menu shows the entry the game's end just made,
// as the player typed it, markup and all; the name box takes twelve characters.
TEST_F(SavedGamesWindows, AnOpenTableShowsTheNewEntryAsTyped)
{
    GameWindowWidget* w = choose("正常Cmd");
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 1000);
    w->findChild<QAction*>(QStringLiteral("Scor"))->trigger();
    HighScoreWindow* hs = host.highScoreWindow();
    ASSERT_NE(hs, nullptr);
    EXPECT_EQ(hs->findChild<QLabel*>(QStringLiteral("names0"))->text(), QString());
    Answerer a;
    a.answer(QStringLiteral("<h1>Bob</h1>!!"), 1);
    program.game()->OfferScore(5000);
    EXPECT_EQ(a.maxLength, 12);
    EXPECT_EQ(host.highScoreWindow(), hs);
    auto* name = hs->findChild<QLabel*>(QStringLiteral("names0"));
    EXPECT_EQ(name->text(), QStringLiteral("<h1>Bob</h1>"));
    ASSERT_TRUE(Qt::mightBeRichText(name->text())) << "still markup after the cut";
    EXPECT_EQ(name->textFormat(), Qt::PlainText);
    EXPECT_EQ(hs->findChild<QLabel*>(QStringLiteral("Scores0"))->text(), QStringLiteral("5000"));
}

// Saving and loading through the real input and message boxes.
TEST_F(SavedGamesWindows, SaveAndLoadThroughTheBoxes)
{
    GameWindowWidget* w = choose("正常Cmd");
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 1000);
    program.game()->f.Score = 4321;
    Answerer a;
    a.answer(QStringLiteral("視窗"), 2);
    w->findChild<QAction*>(QStringLiteral("saveSP"))->trigger();
    EXPECT_EQ(a.seen, (QStringList{"紀錄名: 輸入您要儲存的紀錄名", "儲存紀錄成功!!!: 您所儲存的紀錄資料\n紀錄名稱：視窗\n模式：正常模式"}));
    EXPECT_TRUE(QFile::exists(dir.path() + QStringLiteral("/save/視窗.rgm")));

    program.game()->f.Score = 1;
    a.seen.clear();
    a.answer(QStringLiteral("視窗"), 2);
    w->findChild<QAction*>(QStringLiteral("loadSP"))->trigger();
    EXPECT_EQ(program.game()->f.Score, 4321);
    ASSERT_EQ(a.seen.size(), 2);
    EXPECT_EQ(a.seen[1], QStringLiteral("取出紀錄成功!!!: 您所取出的紀錄資料\n\n紀錄名稱：視窗\n難易模式：正常模式"));
    EXPECT_TRUE(w->windowTitle().contains(QStringLiteral("[ 正常模式 ]")));
    a.seen.clear();
    a.answer(QString(), 1); // a question, answered without Yes
    w->findChild<QAction*>(QStringLiteral("GameResect"))->trigger();
    EXPECT_EQ(a.seen, QStringList{"確定訊息: 是否要重新開始?"});
    EXPECT_TRUE(a.plain);
}

} // namespace
