#include "LiveTimers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A handler waiting in a modal box (a nested event loop) gets no further
// ticks of its own timer, while other timers keep ticking; afterwards the
// missed ticks are not replayed.
TEST(LiveTimers, ModalBoxStopsOnlyItsOwnHandler)
{
    LiveTimers driver;
    int depth = 0, maxDepth = 0, frameTicks = 0, ghostTicks = 0, ghostTicksDuringBox = 0;
    bool boxShown = false;
    std::unique_ptr<Timer> ghosts = driver.create("ghosts", 10, true, [&] { ++ghostTicks; });
    std::unique_ptr<Timer> frame = driver.create("frame", 20, true, [&] {
        ++frameTicks;
        maxDepth = std::max(maxDepth, ++depth);
        if (!boxShown) {
            boxShown = true;
            QMessageBox box(QMessageBox::Warning, QStringLiteral("跳關"), QStringLiteral("闖關成功"));
            QTimer::singleShot(300, &box, &QMessageBox::accept);
            const int before = ghostTicks;
            box.exec();
            ghostTicksDuringBox = ghostTicks - before;
        }
        --depth;
    });
    QElapsedTimer clock;
    clock.start();
    runFor(400);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_GE(ghostTicksDuringBox, 10);
    // About 100 ms of ticking after the box at 20 ms: far fewer than the ~20
    // a replay of the missed ticks would add.
    EXPECT_LE(frameTicks, 1 + static_cast<int>((clock.elapsed() - 300) / 20) + 2);
    EXPECT_GE(frameTicks, 2);
}

TEST(LiveTimers, SamePeriodKeepsTheCountdownAndZeroNeverFires)
{
    LiveTimers driver;
    int slowTicks = 0, zeroTicks = 0;
    std::unique_ptr<Timer> slow = driver.create("slow", 120, true, [&] { ++slowTicks; });
    std::unique_ptr<Timer> refresh = driver.create("refresh", 20, true, [&] { slow->setInterval(120); });
    std::unique_ptr<Timer> zero = driver.create("zero", 0, true, [&] { ++zeroTicks; });
    runFor(400);
    EXPECT_GE(slowTicks, 2);
    EXPECT_EQ(zeroTicks, 0);
    EXPECT_EQ(slow->interval(), 120);
    EXPECT_TRUE(zero->enabled());
}

// Switched on again half-way through its period, a running timer keeps its
// countdown: the first tick comes at 600 ms, where a restart would give 900.
TEST(LiveTimers, SwitchingOnARunningTimerKeepsItsCountdown)
{
    LiveTimers driver;
    QElapsedTimer clock;
    qint64 firstTick = -1;
    std::unique_ptr<Timer> t = driver.create("t", 600, true, [&] {
        if (firstTick < 0)
            firstTick = clock.elapsed();
    });
    clock.start();
    QTimer::singleShot(300, [&] { t->setEnabled(true); });
    runFor(950);
    ASSERT_GE(firstTick, 0);
    EXPECT_LT(firstTick, 850);
}

TEST(LiveTimers, AfterTickRunsAfterEveryHandler)
{
    LiveTimers driver;
    int ticks = 0, after = 0;
    driver.afterTick = [&](const std::string& name) { after += name == "t"; };
    std::unique_ptr<Timer> t = driver.create("t", 10, true, [&] { ++ticks; });
    runFor(100);
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(after, ticks);
}

} // namespace
