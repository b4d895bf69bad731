#include "WindowsFixture.h"

#include "AppLook.h"
#include "GameProgram.h"
#include "BoardView.h"
#include "GameWindow.h"
#include "LiveTimers.h"
#include "QtGameHost.h"
#include "PlayerSettings.h"
#include "QtSound.h"
#include "SoundLoader.h"
#include "StageMapFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST_F(Windows, ModeWindowShowsThePyramid)
{
    ModeWindow* w = host.modeWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quorral ---  Ver 4.0  下載版"));
    // Alone, centred on the screen; no side window before a game.
    const QPoint off = w->frameGeometry().center() - w->screen()->availableGeometry().center();
    EXPECT_LE(off.manhattanLength(), 2);
    EXPECT_FALSE(host.HelpWindowVisible() || host.RadarWindowVisible());
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("VerLbl"))->text(), QStringLiteral("Ver 4.0"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().deviceIndependentSize(), QSizeF(64, 64));
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
    ASSERT_EVENTUALLY_EQ(g->f.Started, On, 500);
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
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 500);
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

// Every character the programs' sources can show must be in both faces of
// the bundled font, whose family is its own: a machine's Noto CJK faces
// cannot stand in for it.
// In a Wayland session with an X server the programs choose X11, where they
// can place their windows, unless the player named a platform; the choice
// is not handed on to programs started from ours.
TEST(WindowSystem, X11ThroughXWaylandUnlessThePlayerChose)
{
    const struct {
        const char *wayland, *session, *display, *platform, *argument;
        bool chosen;
    } rows[] = {
        {"wayland-0", nullptr, ":1", nullptr, nullptr, true},
        {nullptr, "wayland", ":1", nullptr, nullptr, true},
        {"wayland-0", nullptr, nullptr, nullptr, nullptr, false}, // no XWayland
        {nullptr, "x11", ":1", nullptr, nullptr, false},           // X11 already
        {"wayland-0", nullptr, ":1", "wayland", nullptr, false},   // the player's choice
        {"wayland-0", nullptr, ":1", nullptr, "-platform", false},
        {"wayland-0", nullptr, ":1", nullptr, "-reverse", true}, // another option
    };
    const QByteArray saved[] = {qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY"),
                                qgetenv("QT_QPA_PLATFORM")};
    const char* names[] = {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY", "QT_QPA_PLATFORM"};
    const auto set = [](const char* name, const char* value) {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    };
    for (const auto& row : rows) {
        set(names[0], row.wayland);
        set(names[1], row.session);
        set(names[2], row.display);
        set(names[3], row.platform);
        QByteArray option(row.argument ? row.argument : "");
        char program[] = "Mibbet", value[] = "wayland";
        char* argv[] = {program, option.data(), value, nullptr};
        const bool chosen = applook::chooseWindowSystem(row.argument ? 3 : 1, argv);
        EXPECT_EQ(chosen, row.chosen) << row.wayland << ' ' << row.session << ' ' << row.platform;
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), chosen ? QByteArray("xcb") : QByteArray(row.platform));
        applook::forgetWindowSystemChoice(chosen);
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray(row.platform));
    }
    for (int i = 0; i < 4; ++i)
        set(names[i], saved[i].isNull() ? nullptr : saved[i].constData());
}

TEST(BundledFont, HasGlyphsForEveryText)
{
    EXPECT_TRUE(applook::install(QStringLiteral("mibbet")));
    EXPECT_EQ(QGuiApplication::font().family(), QStringLiteral("Mibbet Sans"));
    EXPECT_EQ(QGuiApplication::font().pointSize(), 10);
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.halvern.mibbet")); // its menu entry
    // Each program's icon holds its pictures at every size the desktop uses.
    for (const QString program : {"mibbet", "tessaly"})
        for (const int size : {16, 22, 32, 48, 64, 128, 256}) {
            const QImage drawn(QStringLiteral(":/icons/%1-%2.png").arg(program).arg(size));
            EXPECT_EQ(drawn.size(), QSize(size, size));
            EXPECT_EQ(applook::icon(program).pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                      drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied))
                << size;
        }
    EXPECT_EQ(QFontDatabase::styles(applook::fontFamily()), (QStringList{"Regular", "Bold"}));
    for (const char* face : applook::FontFaces) {
        SCOPED_TRACE(face);
        QRawFont font;
        QFile file(QString::fromLatin1(face));
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
}

} // namespace

namespace {

TEST_F(Windows, BoardShowsTheSurfacePixelForPixel)
{
    GameWindowWidget* w = choose("簡易Cmd");
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 500);
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
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 500);
    Module1& m = program.module();
    auto* board = w->findChild<BoardView*>(QStringLiteral("FG"));
    ASSERT_NE(board, nullptr);
    board->setFocus();
    QTest::keyClick(board, Qt::Key_Up);
    EXPECT_EQ(m.SprDir, 0);
    QTest::keyClick(board, Qt::Key_Up);
    ASSERT_EVENTUALLY_EQ(m.SprY, static_cast<std::int16_t>(5100), 1000);
    // The panel shows the view model: level 16 after the first refresh.
    ASSERT_EVENTUALLY_EQ(w->findChild<QLabel*>(QStringLiteral("Label12"))->text(), QStringLiteral("16"), 500);
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

// The real sound files, played on whatever sink the machine has (a silent
// one when there is no sound device).
TEST(Sound, OneEffectChannelAndAMusicChannelThatOpensAndCloses)
{
    QTemporaryDir dir;
    for (const char* file : {"wav/sm.wav", "wav/bi.wav", "bgm/bgm5.mp3"}) {
        QDir(dir.path()).mkpath(QFileInfo(QString::fromLatin1(file)).path());
        ASSERT_TRUE(QFile::copy(QStringLiteral(MIBBET_SOURCE_DIR "/data/") + QLatin1String(file),
                                dir.path() + QLatin1Char('/') + QLatin1String(file)));
    }
    QtSound sound(dir.path());
    EXPECT_TRUE(sound.musicNotOpen());
    sound.playEffect(QStringLiteral("/wav/sm.wav"));
    ASSERT_EVENTUALLY(sound.effectPlaying(QStringLiteral("/wav/sm.wav")), 2000);
    sound.playEffect(QStringLiteral("/wav/bi.wav"));
    ASSERT_EVENTUALLY(sound.effectPlaying(QStringLiteral("/wav/bi.wav")), 2000);
    EXPECT_FALSE(sound.effectPlaying(QStringLiteral("/wav/sm.wav"))); // cut off by the second
    sound.playEffect(QStringLiteral("/wav/missing.wav")); // quiet, no crash
    EXPECT_FALSE(sound.effectPlaying(QStringLiteral("/wav/bi.wav")));

    sound.startMusic();
    EXPECT_FALSE(sound.musicNotOpen());
    EXPECT_EQ(sound.musicFile(), QDir::toNativeSeparators(dir.path() + QStringLiteral("/bgm/bgm5.mp3")));
    ASSERT_EVENTUALLY(sound.musicPosition() > 300, 3000);
    sound.rewindMusic();
    EXPECT_LT(sound.musicPosition(), 300);
    sound.stopMusic();
    EXPECT_FALSE(sound.musicNotOpen()); // stopped, still open
    EXPECT_EQ(sound.musicPosition(), 0); // and back at the start
    sound.setMusicOn(false);
    sound.setMusicOn(true);
    EXPECT_FALSE(sound.musicAudible()); // switched on again, a stopped tune stays stopped
    sound.closeMusic();
    EXPECT_TRUE(sound.musicNotOpen());
    EXPECT_EQ(sound.musicPosition(), 0);
    sound.setMusicFile(QStringLiteral("C:\\old\\bgm5.mp3"));
    EXPECT_EQ(sound.musicFile(), QStringLiteral("C:\\old\\bgm5.mp3"));
    EXPECT_TRUE(sound.musicNotOpen());
}

// The sound module is taken from the first folder that holds it; where none
// does (a damaged install), the game plays on without sound.
TEST(Sound, ModuleFromTheFirstFolderThatHoldsItOrNone)
{
    QTemporaryDir empty;
    const QString out = QStringLiteral(MIBBET_OUT_DIR);
    const std::unique_ptr<SoundChannels> quiet = loadSoundChannels(out, {empty.path()});
    quiet->startMusic();
    quiet->playEffect(QStringLiteral("/wav/sm.wav"));
    EXPECT_TRUE(quiet->musicNotOpen());
    EXPECT_EQ(quiet->musicPosition(), 0);
    EXPECT_FALSE(quiet->effectPlaying(QStringLiteral("/wav/sm.wav")));
    const std::unique_ptr<SoundChannels> found = loadSoundChannels(out, {empty.path(), out});
    found->startMusic();
    EXPECT_FALSE(found->musicNotOpen());
    EXPECT_EQ(found->musicFile(), QDir::toNativeSeparators(out + QStringLiteral("/bgm/bgm5.mp3")));
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
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 500);
    GameWindow* g = program.game();
    g->m.StageNo = 4;
    answerNextBox();
    g->GameOver(false);
    w->sync();
    auto* frame = w->findChild<QFrame*>(QStringLiteral("EndFm"));
    ASSERT_NE(frame, nullptr);
    ASSERT_EVENTUALLY(frame->isVisible(), 1000);
    ASSERT_EVENTUALLY_EQ(g->endImageTop(), 0, 3000);
    ASSERT_EVENTUALLY(w->findChild<QLabel*>(QStringLiteral("EndLbl5"))->isVisible(), 6000);
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

namespace {

// Runs `check` on the next modal box once it holds the keyboard, then closes it.
void whenBoxShows(std::function<void(QMessageBox*)> check)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, check] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || QApplication::activeWindow() != box)
            return;
        poll->stop();
        poll->deleteLater();
        check(box);
        if (box->isVisible())
            box->close();
    });
    poll->start(10);
}

class WindowsWithSound : public Windows {
protected:
    WindowsWithSound()
    {
        host.setSoundModuleDirs({QStringLiteral(MIBBET_OUT_DIR)});
        for (const char* folder : {"wav", "bgm"}) {
            QDir(dir.path()).mkpath(QLatin1String(folder));
            const QString from = QStringLiteral(MIBBET_SOURCE_DIR "/data/") + QLatin1String(folder);
            for (const QString& file : QDir(from).entryList(QDir::Files))
                QFile::copy(from + QLatin1Char('/') + file, dir.path() + QLatin1Char('/') + folder + QLatin1Char('/') + file);
        }
    }

    // Chooses a mode and waits for the first map, with the board holding the keyboard.
    GameWindow* play(const char* button)
    {
        GameWindowWidget* w = choose(button);
        EXPECT_TRUE(QTest::qWaitFor([this] { return program.game()->f.Started == On; }, 1000));
        for (GhoRec& g : program.module().GhoTab)
            g.Alive = false;
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        board = w->findChild<BoardView*>(QStringLiteral("FG"));
        board->setFocus();
        return program.game();
    }
    BoardView* board = nullptr;
};

// A key released while a message box holds the keyboard never reaches the
// board: the drill and the laser are let go when the box takes it.
TEST_F(WindowsWithSound, DrillAndLaserStopWhenABoxTakesTheKeyboard)
{
    Board next;
    next.cells.fill(15);
    next(9, 9) = 0;
    stagemap::write((dir.path() + QStringLiteral("/map/map2")).toStdString(), next);
    GameWindow* g = play("正常Cmd");
    ASSERT_TRUE(board->hasFocus());
    QTest::keyPress(board, Qt::Key_X);
    QTest::keyPress(board, Qt::Key_Z);
    ASSERT_TRUE(g->ChiTimer->enabled());
    ASSERT_TRUE(g->LsTimer->enabled());
    bool drillUnderBox = true, laserUnderBox = true;
    QString text;
    whenBoxShows([&](QMessageBox* box) {
        text = box->text();
        QTest::keyRelease(box, Qt::Key_X);
        QTest::keyRelease(box, Qt::Key_Z);
        drillUnderBox = g->ChiTimer->enabled() || g->m.ChiOn != Off || g->m.ChiKey != Off;
        laserUnderBox = g->LsTimer->enabled() || g->m.Ls1On != Off || g->m.LsKey != Off;
    });
    program.module().MapTile(5, 5) = 15; // the last ball: the next frame clears the stage
    ASSERT_EVENTUALLY_EQ(program.module().StageNo, static_cast<std::int16_t>(2), 3000);
    EXPECT_EQ(text, QStringLiteral("闖關成功，進入第 2 關"));
    EXPECT_FALSE(drillUnderBox);
    EXPECT_FALSE(laserUnderBox);
    // Held on, the key repeats into a new press once the board has the keyboard
    // again: the window manager gives the game window back its activation (the
    // offscreen platform has none, so the test does it), and the board has the focus.
    board->window()->activateWindow();
    ASSERT_EVENTUALLY(board->hasFocus(), 1000);
    QTest::keyPress(board, Qt::Key_X);
    EXPECT_TRUE(g->ChiTimer->enabled());
}

// The death is told without an icon, under the program's name, with one button.
TEST_F(WindowsWithSound, DeathMessageHasNoIcon)
{
    GameWindow* g = play("困難Cmd");
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString title, text;
    int buttons = 0;
    whenBoxShows([&](QMessageBox* box) {
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
    });
    GhoRec& ghost = program.module().GhoTab[0];
    ghost = GhoRec{300, 5100, 2, true, On, 0}; // right above the player, walking down
    ASSERT_EVENTUALLY_EQ(g->m.SprHide, On, 3000);
    EXPECT_EQ(text, QStringLiteral("哇!Mibbet死掉了"));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(title, QGuiApplication::applicationDisplayName());
    EXPECT_EQ(buttons, 1);
}

// Restarting stops the tune; the next game plays it from the beginning.
TEST_F(WindowsWithSound, RestartClosesTheMusicAndTheNextGameStartsItAfresh)
{
    play("困難Cmd");
    ASSERT_EVENTUALLY(host.sound().musicPosition() > 500, 3000);
    whenBoxShows([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    host.gameWindow()->findChild<QAction*>(QStringLiteral("GameResect"))->trigger();
    ASSERT_NE(host.modeWindow(), nullptr);
    EXPECT_TRUE(host.sound().musicNotOpen());
    play("簡易Cmd");
    ASSERT_EVENTUALLY(!host.sound().musicNotOpen(), 1000);
    EXPECT_LT(host.sound().musicPosition(), 500);
}

// The player's two switches: off, the sound stops at once and stays off
// (the tune's time runs on); on again, the tune comes back where it would be.
// Both are kept for the next start and go off with their menu at the end.
TEST_F(WindowsWithSound, SoundSwitchesAreObeyedAndKept)
{
    const QString path = dir.path() + QStringLiteral("/config/mibbet.conf");
    PlayerSettings settings(path);
    settings.setSoundEffects(false); // as the last game left them
    settings.setMusic(false);
    host.setSettings(&settings);
    GameWindow* g = play("正常Cmd");
    GameWindowWidget* w = host.gameWindow();
    auto* effects = w->findChild<QAction*>(QStringLiteral("SoundEffects"));
    auto* music = w->findChild<QAction*>(QStringLiteral("Music"));
    ASSERT_TRUE(effects && music);
    EXPECT_FALSE(effects->isChecked());
    EXPECT_FALSE(music->isChecked());
    const QString ball = QStringLiteral("/wav/sm.wav");
    host.PlayEffect(ball);
    QTest::qWait(100);
    EXPECT_FALSE(host.sound().effectPlaying(ball));
    effects->trigger();
    host.PlayEffect(ball);
    ASSERT_EVENTUALLY(host.sound().effectPlaying(ball), 2000);
    effects->trigger();
    ASSERT_EVENTUALLY(!host.sound().effectPlaying(ball), 200);

    // Off from the start: silent, its time running on.
    ASSERT_EVENTUALLY(host.MusicPosition() > 200, 2000);
    EXPECT_FALSE(host.sound().musicAudible());
    music->trigger();
    ASSERT_EVENTUALLY(host.sound().musicAudible(), 500);
    music->trigger();
    ASSERT_EVENTUALLY(!host.sound().musicAudible(), 500);
    QTest::qWait(400);
    EXPECT_FALSE(host.sound().musicAudible());
    const qint64 at = host.MusicPosition();
    EXPECT_GE(at, 400);
    music->trigger();
    ASSERT_EVENTUALLY(host.sound().musicAudible(), 500);
    EXPECT_NEAR(double(host.sound().musicPlayedFromMs()), double(at), 100);
    EXPECT_FALSE(PlayerSettings(path).soundEffects());
    EXPECT_TRUE(PlayerSettings(path).music());
    music->trigger();
    EXPECT_FALSE(PlayerSettings(path).music());

    answerNextBox();
    g->GameOver(false);
    w->sync();
    EXPECT_FALSE(effects->isEnabled());
    EXPECT_FALSE(music->isEnabled());
}

} // namespace
