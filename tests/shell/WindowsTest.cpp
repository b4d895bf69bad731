#include "GameProgram.h"
#include "BoardView.h"
#include "GameWindow.h"
#include "LiveTimers.h"
#include "QtGameHost.h"
#include "QtSound.h"
#include "StageMapFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class Windows : public ::testing::Test {
protected:
    Windows()
    {
        QDir(dir.path()).mkpath(QStringLiteral("map"));
        Board b;
        b.cells.fill(15);
        b(5, 5) = 0;
        for (int stage : {0, 1})
            stagemap::write((dir.path() + QStringLiteral("/map/map") + QString::number(stage)).toStdString(), b);
        host.setAppDir(dir.path());
        host.setProgram(&program);
        timers.afterTick = [this](const std::string&) { host.syncWindows(); };
        program.start();
    }
    ~Windows() override
    {
        if (host.gameWindow())
            host.gameWindow()->closeForProgram();
        if (host.modeWindow())
            host.modeWindow()->closeForGame();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QPushButton* modeButton(const char* name)
    {
        return host.modeWindow()->findChild<QPushButton*>(QString::fromUtf8(name));
    }

    GameWindowWidget* choose(const char* button)
    {
        QPushButton* b = modeButton(button);
        EXPECT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
        GameWindowWidget* w = host.gameWindow();
        EXPECT_NE(w, nullptr);
        return w;
    }

    QTemporaryDir dir;
    QtGameHost host;
    LiveTimers timers;
    GameProgram program{host, timers};
};

TEST_F(Windows, ModeWindowShowsThePyramid)
{
    ModeWindow* w = host.modeWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quorral ---  Ver 4.0  下載版"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("VerLbl"))->text(), QStringLiteral("Ver 4.0"));
    EXPECT_EQ(w->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("請選擇模式"));
    const char* names[] = {"生存Cmd", "困難Cmd", "正常Cmd", "簡易Cmd", "練習Cmd"};
    const char* texts[] = {"生存顫慄模式", "困難模式", "一般模式", "簡易模式", "練習模式"};
    QRect r[5];
    for (int i = 0; i < 5; ++i) {
        QPushButton* b = modeButton(names[i]);
        ASSERT_NE(b, nullptr) << names[i];
        EXPECT_EQ(b->text(), QString::fromUtf8(texts[i]));
        r[i] = b->geometry();
    }
    EXPECT_LT(r[0].bottom(), r[1].top());
    EXPECT_EQ(r[1].top(), r[2].top());
    EXPECT_LT(r[1].right(), r[2].left());
    EXPECT_LT(r[2].bottom(), r[3].top());
    EXPECT_LT(r[3].bottom(), r[4].top());
    EXPECT_GT(r[4].width(), r[3].width());
    EXPECT_NEAR(r[0].center().x(), r[4].center().x(), 2);
    EXPECT_NEAR(r[3].center().x(), r[4].center().x(), 2);
}

TEST_F(Windows, ChoosingAModeOpensTheGameWithoutAWindowManager)
{
    QSignalSpy quit(qApp, &QCoreApplication::aboutToQuit);
    GameWindowWidget* w = choose("正常Cmd");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(host.modeWindow(), nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("   Quorral ---  Ver 4.0    [ 正常模式 ]   下載版"));
    ASSERT_NE(host.helpWindow(), nullptr);
    ASSERT_NE(host.radarWindow(), nullptr);
    EXPECT_TRUE(host.helpWindow()->isVisible());
    EXPECT_TRUE(host.radarWindow()->isVisible());
    EXPECT_EQ(host.helpWindow()->windowTitle(), QStringLiteral("Q&A --- 功能提示"));
    EXPECT_EQ(host.radarWindow()->windowTitle(), QStringLiteral("雷達 --- 球的位置"));

    // The first showing counts as the first activation: the map is loaded long
    // before the stage clock's first tick.
    GameWindow* g = program.game();
    QTRY_COMPARE_WITH_TIMEOUT(g->f.Started, On, 500);
    EXPECT_EQ(g->f.TimeLeft, 480);
    EXPECT_EQ(program.module().MapTile(5, 5), 0);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label13"))->text(), QStringLiteral("岩石地"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label21"))->text(), QStringLiteral("1"));
    QWidget* board = w->findChild<QWidget*>(QStringLiteral("FG"));
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->size(), QSize(520, 400));
    EXPECT_EQ(quit.count(), 0);
}

TEST_F(Windows, PracticeDisablesSavingOnlyAndClosingTakesTheSideWindows)
{
    GameWindowWidget* w = choose("練習Cmd");
    QTRY_COMPARE_WITH_TIMEOUT(program.game()->f.Started, On, 500);
    EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("saveSP"))->isEnabled());
    EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("Toolbar1.save"))->isEnabled());
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("loadSP"))->isEnabled());
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("Toolbar1.load"))->isEnabled());
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label13"))->text(), QStringLiteral("方塊花園"));

    QPointer<HelpWindow> help = host.helpWindow();
    QPointer<RadarWindow> radar = host.radarWindow();
    w->close();
    EXPECT_FALSE(help && help->isVisible());
    EXPECT_FALSE(radar && radar->isVisible());
    EXPECT_EQ(program.game(), nullptr);
}

TEST_F(Windows, MenusCarryTheirCaptions)
{
    GameWindowWidget* w = choose("困難Cmd");
    QStringList titles;
    for (QMenu* m : w->findChildren<QMenu*>())
        titles << m->title();
    for (const char* t : {"遊戲(&G)", "環境(&W)", "遊戲說明(&H)", "分數排行(&S)", "問題與建議(&Q)", "連結(&L)"})
        EXPECT_TRUE(titles.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(w->findChild<QAction*>(QStringLiteral("saveSP"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("MapLa"))->isChecked());
}

// Every character the programs' sources can show must be in the bundled font.
TEST(BundledFont, HasGlyphsForEveryText)
{
    QRawFont font;
    QFile file(QStringLiteral(":/font/MibbetSans.otf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    font.loadFromData(file.readAll(), 12, QFont::PreferDefaultHinting);
    ASSERT_TRUE(font.isValid());
    QString missing;
    for (const char* folder : {"game", "common", "editor"}) {
        QDirIterator it(QStringLiteral(MIBBET_SOURCE_DIR "/") + QLatin1String(folder), {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile src(it.next());
            ASSERT_TRUE(src.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(src.readAll());
            for (QChar c : text)
                if (c.unicode() >= 0x80 && !c.isSurrogate() && !font.supportsCharacter(c) && !missing.contains(c))
                    missing += c;
        }
    }
    EXPECT_TRUE(missing.isEmpty()) << "run resources/font/make_font.py; missing: " << missing.toStdString();
}

} // namespace

namespace {

TEST_F(Windows, BoardShowsTheSurfacePixelForPixel)
{
    GameWindowWidget* w = choose("簡易Cmd");
    QTRY_COMPARE_WITH_TIMEOUT(program.game()->f.Started, On, 500);
    GameWindow* g = program.game();
    QTest::qWait(120); // a couple of frames
    auto* board = w->findChild<BoardView*>(QStringLiteral("FG"));
    ASSERT_NE(board, nullptr);
    QApplication::processEvents();
    const QImage shown = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage fg = g->FG.image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), fg.size());
    // The frame may have moved on between the two reads; the tiles under it did not.
    int same = 0;
    for (int y = 0; y < fg.height(); y += 7)
        for (int x = 0; x < fg.width(); x += 7)
            same += shown.pixel(x, y) == fg.pixel(x, y);
    EXPECT_GT(same, 0.99 * (fg.width() / 7 + 1) * (fg.height() / 7 + 1));
}

} // namespace

namespace {

TEST_F(Windows, ArrowKeysReachTheBoardAndThePanelFollows)
{
    GameWindowWidget* w = choose("練習Cmd");
    QTRY_COMPARE_WITH_TIMEOUT(program.game()->f.Started, On, 500);
    Module1& m = program.module();
    auto* board = w->findChild<BoardView*>(QStringLiteral("FG"));
    ASSERT_NE(board, nullptr);
    board->setFocus();
    QTest::keyClick(board, Qt::Key_Up);
    EXPECT_EQ(m.SprDir, 0);
    QTest::keyClick(board, Qt::Key_Up);
    QTRY_COMPARE_WITH_TIMEOUT(m.SprY, static_cast<std::int16_t>(5100), 1000);
    // The panel shows the view model: level 16 after the first refresh.
    QTRY_COMPARE_WITH_TIMEOUT(w->findChild<QLabel*>(QStringLiteral("Label12"))->text(), QStringLiteral("16"), 500);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label19"))->text(), QStringLiteral("100%"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label20"))->text(), QStringLiteral("※"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("99"));
    EXPECT_EQ(w->findChild<QGroupBox*>(QStringLiteral("Frame21"))->title(), QStringLiteral("PP值：10 / 40"));
    EXPECT_EQ(w->findChild<QFrame*>(QStringLiteral("Label15"))->width(), 40 * 3);
    EXPECT_EQ(w->findChild<QFrame*>(QStringLiteral("PPPic"))->width(), 10 * 3);
    // A floating message appears over the board near the player.
    program.game()->ShowMessage(QStringLiteral("PP+1"));
    w->sync();
    auto* message = w->findChild<QLabel*>(QStringLiteral("Label14"));
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(message->text(), QStringLiteral("PP+1"));
    QTest::qWait(60);
    EXPECT_EQ(message->pos(), QPoint((m.SprX - 1042) / 15, (m.SprY - 160) / 15));
}

TEST(Sound, ChannelsWithoutADeviceOrFiles)
{
    QTemporaryDir dir;
    QtSound sound(dir.path());
    EXPECT_TRUE(sound.musicNotOpen());
    sound.playEffect(QStringLiteral("/wav/sm.wav")); // missing: quiet, no crash
    sound.playEffect(QStringLiteral("/wav/bi.wav"));
    EXPECT_NE(sound.playingEffect(), QStringLiteral("/wav/sm.wav")); // the second cut off the first
    sound.startMusic();
    EXPECT_FALSE(sound.musicNotOpen());
    EXPECT_EQ(sound.musicFile(), QDir::toNativeSeparators(dir.path() + QStringLiteral("/bgm/bgm5.mp3")));
    sound.stopMusic();
    EXPECT_FALSE(sound.musicNotOpen()); // stopped, still open
    sound.closeMusic();
    EXPECT_TRUE(sound.musicNotOpen());
    EXPECT_EQ(sound.musicPosition(), 0);
    sound.setMusicFile(QStringLiteral("C:\\old\\bgm5.mp3"));
    EXPECT_EQ(sound.musicFile(), QStringLiteral("C:\\old\\bgm5.mp3"));
    EXPECT_TRUE(sound.musicNotOpen());
}

} // namespace

namespace {

// Closes the modal box that the game is about to show, as a player would.
void answerNextBox()
{
    QTimer::singleShot(50, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
}

TEST_F(Windows, GameOverRaisesTheEndingOverBoardAndPanel)
{
    GameWindowWidget* w = choose("困難Cmd");
    QTRY_COMPARE_WITH_TIMEOUT(program.game()->f.Started, On, 500);
    GameWindow* g = program.game();
    g->m.StageNo = 4;
    answerNextBox();
    g->GameOver(false);
    w->sync();
    auto* frame = w->findChild<QFrame*>(QStringLiteral("EndFm"));
    ASSERT_NE(frame, nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(frame->isVisible(), 1000);
    QTRY_COMPARE_WITH_TIMEOUT(g->endImageTop(), 0, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(w->findChild<QLabel*>(QStringLiteral("EndLbl5"))->isVisible(), 6000);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("EndLbl0"))->text(), QStringLiteral("遊戲結束"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("EndLbl1"))->text(), QStringLiteral("Game Over"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("EndImg"))->pos(), QPoint(0, 0));
    for (const char* name : {"Game", "Win", "Coped", "Sco", "QA", "LinkWeb"})
        EXPECT_FALSE(w->findChild<QMenu*>(QString::fromLatin1(name))->menuAction()->isEnabled()) << name;
    EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("Toolbar1.quit"))->isEnabled());
    EXPECT_GE(frame->width(), 673);
    w->grab().save(QStringLiteral(MIBBET_BINARY_DIR "/ending-offscreen.png"));
}

} // namespace
