#include "EditorWindow.h"
#include "PaletteStrip.h"
#include "StageMapFile.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
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
        menu << a->text();
    EXPECT_EQ(menu, (QStringList{"儲存", "載入", "產生迷宮"}));

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
    const QWidget* window = strip->parentWidget();
    EXPECT_EQ(strip->x(), -2535 / 15);
    EXPECT_LE(strip->x() + right, window->width()) << "the last group shows whole";
    w.grab().save(QStringLiteral(MIBBET_BINARY_DIR "/tessaly-scrolled-offscreen.png"));
    scroll->setValue(0);
    EXPECT_EQ(strip->x(), 0);
}

} // namespace
