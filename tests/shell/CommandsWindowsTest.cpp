#include "WindowsFixture.h"

#include "BoardView.h"
#include "DescriptionPanel.h"
#include "GameWindow.h"
#include "PlayerSettings.h"
#include "WindowPlacement.h"
#include "Radar.h"
#include "SideWindows.h"
#include "StatusPanel.h"
#include "ToolbarIcons.h"

#include <QAction>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

// Takes the addresses the desktop is asked to open.
class AddressCatcher : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

namespace {

using CommandsWindows = Windows;

// The menu bar as the game lists it: captions with their Alt letters, items
// with their controls and shortcuts, separators, and the checked items.
TEST_F(CommandsWindows, MenuTree)
{
    GameWindowWidget* w = choose("困難Cmd");
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 1000);
    const QStringList want = {
        "Game 遊戲(&G): GameStop 暫停 Ctrl+Z|GameResect 重新開始 Ctrl+R|-|saveSP 儲存紀錄 Ctrl+S|loadSP 讀取紀錄 Ctrl+L|-|"
        "GameOuit 離開 Ctrl+Q",
        "Win 環境(&W): MapLa 地圖雷達 +|Cop 功能提示 +|Mess 訊息提示 +|-|SoundEffects 音效 +|Music 背景音樂 +|-|WindowSize 視窗大小|"
        "FullScreen 全螢幕 Ctrl+Shift+F",
        "Coped 遊戲說明(&H): GameCaption 遊戲說明 F1",
        "Sco 分數排行(&S): Scor 分數排行",
        "QA 問題與建議(&Q): LinkMe 聯絡我",
        "LinkWeb 連結(&L): Halvern 連上Halvern高中全球資訊網",
        "Tool ＊測試用＊: Tool0 鬼的移動加快 F2|Tool1 關閉鬼的移動 F3|Tool2 等級最大最小切換 F4|Tool3 PP值+10 F5|"
        "Tool4 角色前方河流通道切換 F6|Tool5 清空所有物件(跳關) F7|Tool6 遊戲限制時間5秒化 F8|Tool7 生命99化 F9|"
        "Tool8 切換隱形 F11|Tool9 分數+1000 F12",
    };
    QStringList seen;
    for (QAction* top : w->menuBar()->actions()) {
        QStringList items;
        for (QAction* a : top->menu()->actions()) {
            if (a->isSeparator()) {
                items << QStringLiteral("-");
                continue;
            }
            QString item = a->objectName() + QLatin1Char(' ') + a->text();
            if (!a->shortcut().isEmpty())
                item += QLatin1Char(' ') + a->shortcut().toString();
            if (a->isChecked())
                item += QStringLiteral(" +");
            items << item;
        }
        seen << top->menu()->objectName() + QLatin1Char(' ') + top->text() + QStringLiteral(": ") + items.join(QLatin1Char('|'));
    }
    EXPECT_EQ(seen, want);
}

// Sixteen positions as the game numbers them, separators counted: each
// button with its key, text and picture; the four that show a window look
// pressed while it shows. The pause button changes key, picture and text.
TEST_F(CommandsWindows, ToolbarAndThePauseButton)
{
    GameWindowWidget* w = choose("正常Cmd");
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 1000);
    auto* bar = w->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    ASSERT_NE(bar, nullptr);
    const QStringList want = {"reset 重新開始", "stop 暫停", "-", "save 儲存紀錄", "load 開啟紀錄", "-", "quit 離開遊戲", "-",
                              "coped 功能提示 pressed", "mess 信息框 pressed", "lada 雷達 pressed", "-", "sco 計分",
                              "callme 問題與建議給我", "cop 遊戲說明 up", "halvern Halvern高中"};
    QStringList seen;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) {
            seen << QStringLiteral("-");
            continue;
        }
        EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
        EXPECT_FALSE(a->icon().pixmap(QSize(24, 24), 2.0).isNull());
        QString b = a->objectName().mid(9) + QLatin1Char(' ') + a->text();
        if (a->isCheckable())
            b += a->isChecked() ? QStringLiteral(" pressed") : QStringLiteral(" up");
        seen << b;
    }
    EXPECT_EQ(seen, want);

    QAction* pause = w->findChild<QAction*>(QStringLiteral("Toolbar1.stop"));
    const qint64 stopPicture = pause->icon().cacheKey();
    pause->trigger();
    EXPECT_EQ(pause->text(), QStringLiteral("繼續"));
    EXPECT_NE(pause->icon().cacheKey(), stopPicture);
    EXPECT_EQ(w->findChild<QAction*>(QStringLiteral("GameStop"))->text(), QStringLiteral("開始"));
    EXPECT_TRUE(w->findChild<QLabel*>(QStringLiteral("Label23"))->isVisible());
    pause->trigger();
    EXPECT_EQ(pause->text(), QStringLiteral("暫停"));
    EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("Label23"))->isVisible());

    // Ticked by a click, a pressed-look button still shows what the game says.
    QAction* help = w->findChild<QAction*>(QStringLiteral("Toolbar1.coped"));
    help->trigger();
    EXPECT_FALSE(help->isChecked());
    EXPECT_FALSE(host.HelpWindowVisible());
    EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("Cop"))->isChecked());

    // Game over: every menu and button is disabled.
    program.game()->vm.setText(QStringLiteral("GameStop"), QString()); // no pause under the ending
    QTimer::singleShot(50, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    program.game()->GameOver(false);
    w->sync();
    for (QAction* top : w->menuBar()->actions())
        EXPECT_FALSE(top->isEnabled()) << top->text().toStdString();
    for (QAction* a : bar->actions())
        EXPECT_TRUE(a->isSeparator() || !a->isEnabled()) << a->objectName().toStdString();
}

// The radar window paints the board in miniature; the help window shows one
// answer at a time; the description scrolls to its last line.
TEST_F(CommandsWindows, SideWindowsAndTheDescription)
{
    GameWindowWidget* w = choose("簡易Cmd");
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 1000);
    RadarWindow* radar = host.radarWindow();
    ASSERT_NE(radar, nullptr);
    // The map's one small ball at (5, 5) is red on the radar.
    ASSERT_EVENTUALLY_EQ(radar->form().CM().pixel(5 * 4 + 1, 5 * 4 + 1) | 0xff000000u, qRgb(255, 0, 0), 1000);
    // The window itself shows it, and a ball put beside it at the next painting.
    const auto shown = [radar](int col) {
        return radar->screen()->grabWindow(radar->winId()).toImage().pixel(6 + col * 4 + 1, 6 + 5 * 4 + 1) | 0xff000000u;
    };
    ASSERT_EVENTUALLY_EQ(shown(5), qRgb(255, 0, 0), 1000);
    EXPECT_NE(shown(6), qRgb(255, 0, 0));
    program.module().MapTile(6, 5) = 0;
    ASSERT_EVENTUALLY_EQ(shown(6), qRgb(255, 0, 0), 1000);

    HelpWindow* help = host.helpWindow();
    ASSERT_NE(help, nullptr);
    auto* keys = help->findChild<QPushButton*>(QStringLiteral("Cmd5"));
    QTest::mouseClick(keys, Qt::LeftButton);
    EXPECT_FALSE(keys->isEnabled());
    EXPECT_TRUE(help->findChild<QWidget*>(QStringLiteral("Fme5"))->isVisible());
    EXPECT_FALSE(help->findChild<QWidget*>(QStringLiteral("Fme0"))->isVisible());
    EXPECT_TRUE(help->findChild<QPushButton*>(QStringLiteral("FocusCmd"))->hasFocus() || !help->isActiveWindow());
    help->grab().save(QStringLiteral(MIBBET_BINARY_DIR "/help-window-offscreen.png"));

    w->findChild<QAction*>(QStringLiteral("GameCaption"))->trigger();
    auto* panel = w->findChild<DescriptionPanel*>(QStringLiteral("GameFrame"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(program.game()->Timer1->enabled());
    QScrollBar* scroll = panel->scrollBar();
    EXPECT_EQ((std::vector<int>{scroll->minimum(), scroll->maximum(), scroll->singleStep(), scroll->pageStep()}),
              (std::vector<int>{0, 3960, 1000, 1000}));
    // Dragging moves the text with every step of the drag.
    scroll->setSliderDown(true);
    scroll->setSliderPosition(2000);
    EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("LblGame"))->y(), -2000 / 15);
    scroll->setSliderDown(false);
    scroll->setValue(scroll->maximum());
    auto* text = panel->findChild<QLabel*>(QStringLiteral("LblGame"));
    EXPECT_EQ(text->y(), -3960 / 15);
    // The last line sits inside the clipping frame, at its bottom.
    const QWidget* clip = text->parentWidget();
    EXPECT_EQ(text->y() + text->height(), clip->height());
    EXPECT_LE(text->sizeHint().height(), text->height()) << "the 37 lines must fit the label";
    w->grab().save(QStringLiteral(MIBBET_BINARY_DIR "/description-end-offscreen.png"));
    QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(program.game()->Timer1->enabled());
}

// Where things stand: the description panel's parts, the side windows beside
// the game (each back in its place when shown again), the radar legend beside
// its surface, the topics in two rows of four with every answer fitting its
// frame, the message panel keeping its place when hidden, and each toolbar
// picture cut from its own place in both sheets.
TEST_F(CommandsWindows, PlacesAndPictures)
{
    GameWindowWidget* w = choose("正常Cmd");
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 1000);

    auto* panel = w->findChild<DescriptionPanel*>(QStringLiteral("GameFrame"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->title(), QStringLiteral("遊戲說明"));
    // Mibbet's icon beside the stage name, at its hand-drawn size.
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().deviceIndependentSize(), QSizeF(32, 32));
    // It covers the whole board.
    const QRect board = w->findChild<BoardView*>()->geometry();
    EXPECT_TRUE(panel->geometry().contains(board)) << panel->geometry().bottom() << " " << board.bottom();
    const std::pair<const char*, QRect> parts[] = {{"GameFrame", {panel->x(), panel->y(), 657, 408}},
                                                   {"Frame25", {8, 24, 641, 337}},
                                                   {"LblGame", {0, 0, 619, 601}},
                                                   {"VScroll1", {624, 24, 25, 337}},
                                                   {"Command1", {568, 374, 81, 30}}};
    for (const auto& [name, where] : parts)
        EXPECT_EQ(w->findChild<QWidget*>(QString::fromLatin1(name))->geometry(), where) << name;

    RadarWindow* radar = host.radarWindow();
    HelpWindow* help = host.helpWindow();
    ASSERT_TRUE(radar && help);
    // The group centred on the screen, as far as it has room, from the frames
    // the platform gives the windows once they show.
    const auto window = [](const QWidget* x) {
        const QRect f = x->frameGeometry(), g = x->geometry();
        return placement::Window{g.size(), QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(),
                                                     f.bottom() - g.bottom())};
    };
    ASSERT_EVENTUALLY(!window(w).frame.isNull(), 1000);
    const placement::Group group =
        placement::arrange(w->screen()->availableGeometry(), window(w), window(radar), window(help));
    ASSERT_EVENTUALLY_EQ(w->frameGeometry(), group.game, 1000);
    EXPECT_EQ(radar->frameGeometry(), group.radar);
    EXPECT_EQ(help->frameGeometry(), group.help);
    // Tool windows of the game window.
    for (QWidget* side : {static_cast<QWidget*>(radar), static_cast<QWidget*>(help)}) {
        EXPECT_EQ(side->windowType(), Qt::Tool);
        EXPECT_EQ(side->parentWidget(), w);
    }
    const QPoint helpPlace = help->pos(), radarPlace = radar->pos();
    w->findChild<QAction*>(QStringLiteral("MapLa"))->trigger();
    w->findChild<QAction*>(QStringLiteral("MapLa"))->trigger();
    radar = host.radarWindow();
    ASSERT_NE(radar, nullptr);
    EXPECT_TRUE(radar->isVisible());
    EXPECT_EQ(radar->pos(), radarPlace);
    w->findChild<QAction*>(QStringLiteral("Cop"))->trigger();
    ASSERT_FALSE(host.HelpWindowVisible());
    w->findChild<QAction*>(QStringLiteral("Cop"))->trigger();
    ASSERT_TRUE(host.HelpWindowVisible());
    help = host.helpWindow();
    EXPECT_EQ(help->pos(), helpPlace);

    const int surfaceRight = 6 + RadarForm::Width;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"})
        EXPECT_GT(radar->findChild<QLabel*>(QString::fromLatin1(name))->x(), surfaceRight) << name;

    EXPECT_EQ(help->size(), QSize(400, 330));
    for (int k = 0; k < 8; ++k) {
        auto* topic = help->findChild<QPushButton*>(QStringLiteral("Cmd") + QString::number(k));
        auto* first = help->findChild<QPushButton*>(QStringLiteral("Cmd") + QString::number(k % 4));
        auto* left = help->findChild<QPushButton*>(QStringLiteral("Cmd") + QString::number(k - k % 4));
        ASSERT_TRUE(topic && first && left) << k;
        EXPECT_EQ(topic->x(), first->x()) << k;
        EXPECT_EQ(topic->y(), left->y()) << k;
        EXPECT_EQ(topic->y() > first->y(), k >= 4) << k;
        QTest::mouseClick(topic, Qt::LeftButton);
        auto* answer = help->findChild<QLabel*>(QStringLiteral("Lbl") + QString::number(k));
        ASSERT_TRUE(answer->isVisible()) << k;
        EXPECT_LE(answer->minimumSizeHint().width(), answer->width()) << k;
        EXPECT_LE(answer->heightForWidth(answer->width()), answer->height()) << k;
    }
    const QWidget* focus = help->findChild<QWidget*>(QStringLiteral("FocusCmd"));
    EXPECT_LE(focus->width() * focus->height(), 1) << "the focus holder must not be seen";

    // Hidden by a double-click, the message panel leaves the panels above it where they were.
    auto* messages = w->findChild<QGroupBox*>(QStringLiteral("Frame5"));
    QWidget* above = w->findChild<StatusPanel*>()->findChildren<QGroupBox*>().at(0);
    const QRect aboveBefore = above->geometry();
    QTest::mouseDClick(messages, Qt::LeftButton);
    EXPECT_FALSE(messages->isVisible());
    EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("Mess"))->isChecked());
    QApplication::processEvents();
    EXPECT_EQ(above->geometry(), aboveBefore);

    const QStringList keys = {"reset", "stop", "start", "save", "load", "quit", "coped",
                              "mess", "lada", "sco", "callme", "cop", "halvern"};
    const QImage small(QStringLiteral(":/pictures/toolbar.png")), large(QStringLiteral(":/pictures/toolbar@2x.png"));
    // The same pixels in the same size, whatever the formats and ratios say.
    const auto same = [](const QPixmap& shown, const QImage& sheet, int index, int size) {
        const QImage a = shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage b = sheet.copy(index * size, 0, size, size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (a.size() != b.size())
            return false;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    return false;
        return true;
    };
    for (int i = 0; i < keys.size(); ++i) {
        const QIcon icon = toolbarIcon(keys[i]);
        EXPECT_TRUE(same(icon.pixmap(QSize(24, 24), 1.0), small, i, 24)) << keys[i].toStdString();
        EXPECT_TRUE(same(icon.pixmap(QSize(24, 24), 2.0), large, i, 48)) << keys[i].toStdString();
        EXPECT_EQ(icon.actualSize(QSize(48, 48)), QSize(24, 24)) << "a sharp picture, not a big one";
    }
    EXPECT_TRUE(toolbarIcon(QStringLiteral("nothing")).isNull());
}

// The side windows keep their places beside a game window the player moves;
// the game window's place is kept, and the next game opens there. Our own
// placing is no move of the player's and is not kept.
TEST_F(CommandsWindows, SideWindowsFollowAndTheNextGameOpensWhereLeft)
{
    PlayerSettings settings(dir.path() + QStringLiteral("/mibbet.conf"));
    host.setSettings(&settings);
    GameWindowWidget* w = choose("正常Cmd");
    QTest::qWait(800); // placed, framed and settled
    EXPECT_FALSE(settings.gameWindow());
    const QPoint radarFromGame = host.radarWindow()->pos() - w->pos();
    const QPoint helpFromGame = host.helpWindow()->pos() - w->pos();
    w->move(w->pos() + QPoint(0, 20));
    EXPECT_EQ(host.radarWindow()->pos() - w->pos(), radarFromGame);
    EXPECT_EQ(host.helpWindow()->pos() - w->pos(), helpFromGame);
    ASSERT_EVENTUALLY(settings.gameWindow().has_value(), 2000);
    const QRect area = w->screen()->availableGeometry();
    EXPECT_EQ(settings.gameWindow()->offset, w->frameGeometry().topLeft() - area.topLeft());
    const QPoint left = w->frameGeometry().topLeft();

    program.backToModeWindow();
    w = choose("簡易Cmd");
    ASSERT_EVENTUALLY_EQ(w->frameGeometry().topLeft(), left, 1000);
    w->findChild<QAction*>(QStringLiteral("Size1"))->trigger(); // and its size, picked from the menu
    EXPECT_EQ(settings.gameFactor(), 1);
}

// The two links hand their addresses to the desktop.
TEST_F(CommandsWindows, LinksOpenTheirAddresses)
{
    GameWindowWidget* w = choose("正常Cmd");
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 1000);
    AddressCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    w->findChild<QAction*>(QStringLiteral("LinkMe"))->trigger();
    w->findChild<QAction*>(QStringLiteral("Toolbar1.halvern"))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(catcher.opened, QStringList({"mailto:mibbet@example.com", "https://halvern.example.org/"}));
}

} // namespace

#include "CommandsWindowsTest.moc"
