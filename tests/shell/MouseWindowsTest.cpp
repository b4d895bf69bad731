#include "WindowsFixture.h"

#include "BoardView.h"
#include "GameWindow.h"

#include <QAction>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
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
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 1000);
    GameWindow& g = *program.game();
    Module1& m = program.module();
    for (GhoRec& ghost : m.GhoTab)
        ghost.Alive = false;
    auto* board = w->findChild<BoardView*>(QStringLiteral("FG"));
    ASSERT_NE(board, nullptr);
    // The character rests at (1, 18) facing left; its row, three cells right.
    const QPoint target(4 * 20 + 10, 18 * 20 + 10);
    QTest::mouseMove(board, target);
    ASSERT_EVENTUALLY_EQ(board->pointer(), QStringLiteral("MoiRight"), 1000);
    EXPECT_EQ(board->cursor().shape(), Qt::BitmapCursor);
    const QPoint hot = board->cursor().hotSpot();
    EXPECT_EQ(std::make_pair(hot.x(), hot.y()), std::make_pair(30, 16)) << "the tip of the arrow";
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, target);
    ASSERT_EVENTUALLY_EQ(m.SprDir, 1, 1000); // the first steering tick turns right, and stops
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, target); // walks
    ASSERT_EVENTUALLY_EQ(m.SprX, 4 * 300, 3000);
    EXPECT_EQ(m.SprY, 18 * 300);
    QTest::mouseMove(board, QPoint(9 * 20 + 5, 3 * 20 + 5));
    ASSERT_EVENTUALLY_EQ(board->pointer(), QStringLiteral("MoiC"), 1000);

    QTest::mousePress(board, Qt::MiddleButton, Qt::NoModifier, target);
    EXPECT_TRUE(g.ChiTimer->enabled());
    EXPECT_FALSE(g.LsTimer->enabled());
    QTest::mouseRelease(board, Qt::MiddleButton, Qt::NoModifier, target);
    EXPECT_FALSE(g.ChiTimer->enabled());
    QTest::mousePress(board, Qt::RightButton, Qt::NoModifier, target);
    EXPECT_TRUE(g.LsTimer->enabled());
    EXPECT_FALSE(g.ChiTimer->enabled());
    QTest::mouseRelease(board, Qt::RightButton, Qt::NoModifier, target);
    EXPECT_FALSE(g.LsTimer->enabled());

    // Each pointer's hot spot: the tip of its arrow, the centre of the sign.
    const std::pair<const char*, QPoint> spots[] = {{"MoiUp", {16, 1}},   {"MoiRight", {30, 16}}, {"MoiDown", {16, 30}},
                                                    {"MoiLeft", {1, 16}}, {"MoiC", {16, 16}}};
    for (const auto& [name, spot] : spots) {
        board->setPointer(QString::fromLatin1(name));
        EXPECT_EQ(board->cursor().hotSpot(), spot) << name;
        EXPECT_EQ(board->cursor().pixmap().size(), QSize(32, 32)) << name;
    }
    board->setPointer(QString());
    EXPECT_EQ(board->cursor().shape(), Qt::ArrowCursor);

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

namespace {

// The window grown to 2x and 3x: the board is the surface with every pixel
// an exact block, and a click lands on the cell under the pointer.
TEST_F(MouseWindows, TheBoardGrowsByWholeFactors)
{
    GameWindowWidget* w = choose("簡易Cmd");
    ASSERT_EVENTUALLY_EQ(program.game()->f.Started, On, 1000);
    Module1& m = program.module();
    for (GhoRec& ghost : m.GhoTab)
        ghost.Alive = false;
    auto* board = w->findChild<BoardView*>(QStringLiteral("FG"));
    for (QWidget* over : board->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        over->hide(); // the notices are text, drawn afresh at every size
    EXPECT_EQ(board->grab().toImage().convertToFormat(QImage::Format_RGB32), program.game()->FG.image());

    for (int factor : {2, 3}) {
        w->setFactor(factor);
        ASSERT_EVENTUALLY_EQ(w->factor(), factor, 1000);
        ASSERT_NE(host.helpWindow(), nullptr);
        EXPECT_EQ(host.helpWindow()->size(), QSize(400, 330) * factor) << "the side windows take the factor";
        auto* view = w->centralWidget()->findChild<QGraphicsView*>(); // not a side window's
        ASSERT_NE(view, nullptr);
        const QPoint corner = view->mapFromScene(board->window()->graphicsProxyWidget()->mapToScene(board->mapTo(board->window(), QPoint(0, 0))));
        const QImage& surface = program.game()->FG.image();
        const QImage drawn = view->viewport()->grab(QRect(corner, surface.size() * factor)).toImage();
        EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32), surface.scaled(surface.size() * factor))
            << "factor " << factor;

        // The character rests at (1, 18) facing left; a click three cells to its right turns it right.
        m.SprDir = 3;
        QTest::mouseMove(view->viewport(), corner + QPoint(90, 370) * factor);
        ASSERT_EVENTUALLY_EQ(board->pointer(), QStringLiteral("MoiRight"), 1000);
        EXPECT_EQ(view->viewport()->cursor().shape(), Qt::BitmapCursor) << "the board's pointer over the view";
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, corner + QPoint(90, 370) * factor);
        ASSERT_EVENTUALLY_EQ(m.SprDir, 1, 1000);
        const QPoint shown = view->viewport()->mapTo(w, corner); // the turned character, on screen
        const auto onScreen = [&] {
            return w->screen()->grabWindow(w->winId(), shown.x(), shown.y(), surface.width() * factor, surface.height() * factor).toImage();
        };
        ASSERT_EVENTUALLY(onScreen().convertToFormat(QImage::Format_RGB32) == surface.scaled(surface.size() * factor), 1000);
    }
    w->setFactor(1);
    ASSERT_EVENTUALLY_EQ(w->factor(), 1, 1000);
    EXPECT_EQ(board->window(), w) << "back in the window itself";
    EXPECT_FALSE(w->centralWidget()->findChild<QGraphicsView*>()->isVisible()) << "nothing over it";
    QTest::mouseMove(board, QPoint(90, 370));
    board->setPointer(QStringLiteral("MoiC")); // no view to hand it to any more
    EXPECT_EQ(board->cursor().shape(), Qt::BitmapCursor);
    auto* fullScreen = w->findChild<QAction*>(QStringLiteral("FullScreen"));
    fullScreen->trigger();
    EXPECT_TRUE(w->isFullScreen());
    EXPECT_FALSE(host.helpWindow()->isVisible() || host.radarWindow()->isVisible()) << "they would lie over the board";
    program.game()->MapLa_Click(); // the radar asked for meanwhile stands over the game
    EXPECT_TRUE(host.radarWindow()->isVisible());
    fullScreen->trigger();
    EXPECT_FALSE(w->isFullScreen());
    EXPECT_TRUE(host.helpWindow()->isVisible() && host.radarWindow()->isVisible()) << "back beside it";
}

} // namespace
