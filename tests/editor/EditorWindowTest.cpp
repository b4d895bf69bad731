#include "BaseMazeWindow.h"
#include "EditorWindow.h"
#include "PaletteStrip.h"
#include "StageMapFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The real window offscreen: presses on palette thumbnails pick tiles, presses
// on the board paint once it is enabled, and the scroll bar slides the strip
// until its last group shows whole.
TEST(EditorWindow, PaletteBoardAndScrolling)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("map"));
    EditorWindow w(dir.path());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("   Quorral！ ---  Ver 4.0  Tessaly"));
    EXPECT_EQ(w.centralWidget()->size(), QSize(644, 527));
    QStringList menu;
    for (QAction* a : w.menuBar()->actions())
        menu << a->objectName() + QLatin1Char(' ') + a->text() + QLatin1Char(' ') + a->shortcut().toString();
    EXPECT_EQ(menu, (QStringList{"SaveFile 儲存 Ctrl+S", "LoadFile 載入 Ctrl+O", "Generate_Maze 產生迷宮 Ctrl+G",
                                 "PlayMap 試玩 Ctrl+T", "CheckMap 檢查地圖 Ctrl+K", "View 檢視 "}));
    // The strip's window over its scroll bar under the board, the column on the right.
    const QWidget* window = w.findChild<QWidget*>(QStringLiteral("Frame5"));
    const QWidget* bar = w.findChild<QWidget*>(QStringLiteral("HScroll1"));
    ASSERT_TRUE(window && bar);
    EXPECT_EQ(window->width(), 7575 / 15);
    EXPECT_EQ(bar->width(), window->width());
    EXPECT_GE(window->y(), 404);
    EXPECT_EQ(bar->y(), window->y() + window->height() + 2);
    EXPECT_LE(bar->geometry().bottom(), 527);
    const QWidget* maze = w.findChild<QWidget*>(QStringLiteral("Maze"));
    EXPECT_EQ(maze->size(), QSize(90, 90));
    for (const char* tile : {"NowImg", "NewImg"})
        EXPECT_EQ(w.findChild<QWidget*>(QString::fromLatin1(tile))->size(), QSize(25, 25)) << tile;
    // The widest code shows whole in both tile boxes.
    w.model().pick(EditorModel::LeftButton, 122);
    w.model().pick(EditorModel::RightButton, 122);
    w.sync();
    for (const char* label : {"Label2", "Label3"}) {
        const auto* l = w.findChild<QLabel*>(QString::fromLatin1(label));
        EXPECT_EQ(l->text(), QStringLiteral("代碼 122"));
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width()) << label;
    }
    w.grab().save(QStringLiteral(MIBBET_BINARY_DIR "/editor-offscreen.png"));
    for (const char* name : {"Text1", "Maze", "Command3", "Command2", "NowImg", "NewImg", "Command5", "Command6",
                             "Command1", "Command4"}) {
        const QWidget* c = w.findChild<QWidget*>(QString::fromLatin1(name));
        const QRect r(c->mapTo(w.centralWidget(), QPoint(0, 0)), c->size());
        EXPECT_TRUE(r.left() >= 524 && r.right() < 644 && r.bottom() < 527) << name;
    }
    // "儲存" before any editing says so; a typed code shows as typed, markup and all.
    QString said;
    bool plain = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->windowTitle() + QStringLiteral(": ") + box->text();
            plain = box->textFormat() == Qt::PlainText;
            box->accept();
        }
    });
    poll.start(10);
    w.menuBar()->actions().at(0)->trigger();
    EXPECT_EQ(said, QStringLiteral("錯誤: 編輯錯誤\n您還未編輯任何地圖"));
    w.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("<b>1</b>"));
    w.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    poll.stop();
    EXPECT_TRUE(said.contains(QStringLiteral("「<b>1</b>」"))) << said.toStdString();
    EXPECT_TRUE(plain);

    // "試玩" hands the game the map as it stands, in a scratch file outside
    // map/; "檢查地圖" frames on the board the cells it is about.
    QFile game(dir.path() + QStringLiteral("/game.sh")); // keeps the map it is given
    ASSERT_TRUE(game.open(QIODevice::WriteOnly));
    game.write("#!/bin/sh\ncp \"$2\" \"$0.map\"\n");
    game.close();
    game.setPermissions(game.permissions() | QFile::ExeOwner);
    w.testGame().gameProgram = game.fileName();
    Board& edited = w.model().EdBoard;
    edited(19, 5) = edited(21, 5) = edited(20, 4) = edited(20, 6) = 1; // a ball walled in at (20, 5)
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    const std::string played = QFile::encodeName(game.fileName() + QStringLiteral(".map")).toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return stagemap::read(played).board == edited; }));
    EXPECT_FALSE(w.testGame().mapFile().startsWith(dir.path()));
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("/map")).isEmpty());
    poll.start(10);
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command6")), Qt::LeftButton);
    poll.stop();
    EXPECT_TRUE(said.startsWith(QStringLiteral("地圖檢查: 這張地圖無法過關：\n1 顆球")));
    const QImage shown = w.findChild<EditorBoard*>(QStringLiteral("FG"))->grab().toImage();
    EXPECT_EQ(shown.pixelColor(20 * 20 + 1, 5 * 20 + 10), QColor(255, 0, 255));
    EXPECT_NE(shown.pixelColor(19 * 20 + 1, 5 * 20 + 10), QColor(255, 0, 255));

    auto* strip = w.findChild<PaletteStrip*>();
    auto* board = w.findChild<EditorBoard*>(QStringLiteral("FG"));
    ASSERT_TRUE(strip && board);
    const QRect grapes = strip->thumbnailOf(11);
    ASSERT_FALSE(grapes.isEmpty());
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, grapes.center());
    QTest::mouseClick(strip, Qt::RightButton, Qt::NoModifier, strip->thumbnailOf(80).center());
    QTest::mouseClick(strip, Qt::MiddleButton, Qt::NoModifier, strip->thumbnailOf(15).center());
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("代碼 11"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("代碼 80"));

    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(w.model().EdBoard(0, 0), 0) << "disabled until a load or a generation";
    w.model().boardEnabled = true;
    w.sync();
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, QPoint(25 * 20 + 19, 19 * 20 + 19));
    QTest::mouseClick(board, Qt::RightButton, Qt::NoModifier, QPoint(20, 0));
    EXPECT_EQ(w.model().EdBoard(25, 19), 11);
    EXPECT_EQ(w.model().EdBoard(1, 0), 80);

    // Grown by whole factors, a press still paints the cell under the pointer.
    for (int factor : {2, 3}) {
        w.setFactor(factor);
        QTRY_COMPARE_WITH_TIMEOUT(w.factor(), factor, 2000);
        auto* view = w.findChild<QGraphicsView*>();
        ASSERT_NE(view, nullptr);
        w.resize(w.sizeAt(factor) + QSize(9, 9)); // centred, in a margin of the window's colour
        QTRY_COMPARE_WITH_TIMEOUT(view->size(), w.centralWidget()->size(), 2000);
        EXPECT_EQ(view->viewport()->grab().toImage().pixel(0, 0), w.palette().color(QPalette::Window).rgb());
        const QPointF cell(factor * 20 + 19, 4 * 20 + 1); // the far corner of (factor, 4)
        const QPoint at = view->mapFromScene(board->window()->graphicsProxyWidget()->mapToScene(board->mapTo(board->window(), cell.toPoint())));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_EQ(w.model().EdBoard(factor, 4), 11) << "factor " << factor;
        EXPECT_EQ(w.model().EdBoard(factor + 1, 4), 0) << "factor " << factor;
    }
    w.setFactor(1);
    // The offscreen screen holds the window at 1x only.
    auto* view = w.menuBar()->findChild<QMenu*>(QStringLiteral("View"));
    ASSERT_NE(view, nullptr);
    emit view->aboutToShow();
    ASSERT_EQ(view->actions().size(), 3);
    EXPECT_TRUE(view->actions().value(0)->isEnabled() && view->actions().value(0)->isChecked()) << "the size drawn";
    EXPECT_FALSE(view->actions().value(2)->isEnabled()) << "3倍 does not fit " << w.screen()->availableGeometry().width();

    // Thumbnails of 17 px, columns and rows 16 px (240 twips) apart: the
    // four-piece group's first picture, 105 106 over 107 108.
    EXPECT_EQ(strip->width(), 10110 / 15);
    const QRect a = strip->thumbnailOf(105), b = strip->thumbnailOf(106), c = strip->thumbnailOf(107);
    EXPECT_EQ(a.size(), QSize(17, 17));
    EXPECT_EQ(b.topLeft() - a.topLeft(), QPoint(16, 0));
    EXPECT_EQ(c.topLeft() - a.topLeft(), QPoint(0, 16));
    EXPECT_EQ(strip->thumbnailOf(0).top(), strip->thumbnailOf(1).top());
    // Every thumbnail stands inside the strip; the last group ends inside it.
    int right = 0;
    for (const auto& group : EditorModel::palette())
        for (const auto& column : group.columns)
            for (TileCode code : column) {
                const QRect r = strip->thumbnailOf(code);
                EXPECT_TRUE(strip->rect().contains(r)) << code;
                right = std::max(right, r.right());
            }
    auto* scroll = w.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    EXPECT_EQ((std::vector<int>{scroll->minimum(), scroll->maximum(), scroll->singleStep(), scroll->pageStep()}),
              (std::vector<int>{0, 2535, 1000, 1000}));
    scroll->setValue(scroll->maximum());
    EXPECT_EQ(strip->x(), -2535 / 15);
    EXPECT_LE(strip->x() + right, window->width()) << "the last group shows whole";
    w.grab().save(QStringLiteral(MIBBET_BINARY_DIR "/tessaly-scrolled-offscreen.png"));
    scroll->setValue(0);
    EXPECT_EQ(strip->x(), 0);
}

// "產生迷宮" fills the board from the shipped pattern; Ctrl+Z and Ctrl+Y
// step through the changes; the base-pattern window loads, toggles and asks
// on closing.
TEST(EditorWindow, GenerateUndoAndTheBasePattern)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("map"));
    const QString pattern = dir.path() + QStringLiteral("/map/BaseMaze.bme");
    ASSERT_TRUE(QFile::copy(QStringLiteral(MIBBET_SOURCE_DIR "/data/map/BaseMaze.bme"), pattern));
    EditorWindow w(dir.path());
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w)); // the keys go to the active window
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_TRUE(w.model().boardEnabled);
    EXPECT_TRUE(w.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText().startsWith(QStringLiteral("0 0 0")));
    const Board generated = w.model().EdBoard;
    w.model().pick(EditorModel::LeftButton, 9);
    QTest::mouseClick(w.findChild<EditorBoard*>(QStringLiteral("FG")), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(w.model().EdBoard(1, 1), 9);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.model().EdBoard, generated);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.model().EdBoard(1, 1), 9);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(w.model().EdBoard(1, 1), 9);

    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    BaseMazeWindow* base = w.basePattern();
    ASSERT_NE(base, nullptr);
    EXPECT_TRUE(base->isVisible());
    EXPECT_TRUE(w.isVisible()) << "modeless: the main window stays";
    EXPECT_EQ(base->size(), QSize(304, 261));
    EXPECT_EQ(base->windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(base->objectName(), QStringLiteral("Cmd"));
    const auto enabled = [&] {
        QString e;
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Cmd0", "Cmd80"})
            e += base->findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return e;
    };
    EXPECT_EQ(enabled(), QStringLiteral("100000")) << "idle: only 載入資料";
    QTest::mouseClick(base->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(enabled(), QStringLiteral("011111")) << "editing";
    // The buttons to the right of the grid and under it.
    const QRect grid(8, 8, 9 * 24 + 1, 9 * 24 + 1);
    for (const char* name : {"Command1", "Command4", "Text1"})
        EXPECT_GT(base->findChild<QWidget*>(QString::fromLatin1(name))->x(), grid.right()) << name;
    for (const char* name : {"Command2", "Command3"})
        EXPECT_GT(base->findChild<QWidget*>(QString::fromLatin1(name))->y(), grid.bottom()) << name;
    auto* cell10 = base->findChild<QPushButton*>(QStringLiteral("Cmd10"));
    EXPECT_EQ(cell10->text(), QStringLiteral("牆"));
    EXPECT_EQ(cell10->geometry(), QRect(32, 32, 25, 25));
    QTest::mouseClick(cell10, Qt::LeftButton);
    EXPECT_EQ(cell10->text(), QStringLiteral("球"));
    base->grab().save(QStringLiteral(MIBBET_BINARY_DIR "/base-pattern-offscreen.png"));
    QFile before(pattern);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    // Answers the question as soon as it is up, however long that takes
    // (No unless told otherwise), and closes any other box.
    QString asked;
    bool yes = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = box->text();
            if (box->button(QMessageBox::No))
                box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            else
                box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start(10);
    base->close();
    poll.stop();
    EXPECT_EQ(asked, QStringLiteral("要儲存修改嗎？"));
    QFile after(pattern);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
    after.close();

    // Yes, and the pattern cannot be written: the window stays, with the change.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    base = w.basePattern();
    QTest::mouseClick(base->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QTest::mouseClick(cell10 = base->findChild<QPushButton*>(QStringLiteral("Cmd10")), Qt::LeftButton);
    ASSERT_TRUE(QFile::remove(pattern));
    ASSERT_TRUE(QDir().mkpath(pattern)); // a folder where the file goes
    yes = true;
    poll.start(10);
    base->close();
    poll.stop();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.basePattern(), base);
    EXPECT_TRUE(base->isVisible());
    EXPECT_EQ(cell10->text(), QStringLiteral("球"));
    ASSERT_TRUE(QDir(pattern).removeRecursively());
    ASSERT_TRUE(QFile::copy(QStringLiteral(MIBBET_SOURCE_DIR "/data/map/BaseMaze.bme"), pattern));

    // "離開" takes a changed pattern away without a question.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    base = w.basePattern();
    ASSERT_NE(base, nullptr);
    QTest::mouseClick(base->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QTest::mouseClick(base->findChild<QPushButton*>(QStringLiteral("Cmd0")), Qt::LeftButton);
    asked.clear();
    poll.start(10);
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
    poll.stop();
    EXPECT_TRUE(asked.isEmpty());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.basePattern(), nullptr);
}

} // namespace
