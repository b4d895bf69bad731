#include "WindowsFixture.h"

#include "BoardView.h"
#include "GameWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {

using MouseWindows = Windows;

// Real mouse events on the board: the pointer turns into the arrow towards
// the target, a left click walks the character there, and the middle button
// works the drill while held. The test menu's keys follow its chords.
TEST_F(MouseWindows, TheBoardTakesTheMouse)
{
    GameWindowWidget* w = choose("簡易Cmd");
    QTRY_COMPARE_WITH_TIMEOUT(program.game()->f.Started, On, 1000);
    GameWindow& g = *program.game();
    Module1& m = program.module();
    for (GhoRec& ghost : m.GhoTab)
        ghost.Alive = false;
    auto* board = w->findChild<BoardView*>(QStringLiteral("FG"));
    ASSERT_NE(board, nullptr);
    // The character rests at (1, 18) facing left; its row, three cells right.
    const QPoint target(4 * 20 + 10, 18 * 20 + 10);
    QTest::mouseMove(board, target);
    QTRY_COMPARE_WITH_TIMEOUT(board->pointer(), QStringLiteral("MoiRight"), 1000);
    EXPECT_EQ(board->cursor().shape(), Qt::BitmapCursor);
    const QPoint hot = board->cursor().hotSpot();
    EXPECT_EQ(std::make_pair(hot.x(), hot.y()), std::make_pair(30, 16)) << "the tip of the arrow";
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, target); // turns right
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, target); // walks
    QTRY_COMPARE_WITH_TIMEOUT(m.SprX, 4 * 300, 3000);
    EXPECT_EQ(m.SprY, 18 * 300);
    QTest::mouseMove(board, QPoint(9 * 20 + 5, 3 * 20 + 5));
    QTRY_COMPARE_WITH_TIMEOUT(board->pointer(), QStringLiteral("MoiC"), 1000);

    QTest::mousePress(board, Qt::MiddleButton, Qt::NoModifier, target);
    EXPECT_TRUE(g.ChiTimer->enabled());
    QTest::mouseRelease(board, Qt::MiddleButton, Qt::NoModifier, target);
    EXPECT_FALSE(g.ChiTimer->enabled());

    // F12 through the real shortcut, then off by the chord and no more.
    const std::int32_t score = g.f.Score;
    QTest::keyClick(board, Qt::Key_F12);
    EXPECT_EQ(g.f.Score, score + 1000);
    QTest::keyClick(board, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("Tool9"))->isEnabled() &&
                 w->findChild<QMenu*>(QStringLiteral("Tool"))->menuAction()->isEnabled());
    QTest::keyClick(board, Qt::Key_F12);
    EXPECT_EQ(g.f.Score, score + 1000);
    QTest::keyClick(board, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(board, Qt::Key_F12);
    EXPECT_EQ(g.f.Score, score + 2000);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("使用測試快速鍵\n\n分數+1000"));
}

} // namespace
