#include "SimClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Recorder {
    std::vector<std::pair<std::int64_t, std::string>> ticks;
    SimClock* clock = nullptr;
    std::function<void()> hook(const std::string& name)
    {
        return [this, name] { ticks.emplace_back(clock->now(), name); };
    }
    std::vector<std::int64_t> times(const std::string& name) const
    {
        std::vector<std::int64_t> t;
        for (const auto& [at, n] : ticks)
            if (n == name)
                t.push_back(at);
        return t;
    }
};

TEST(SimClock, FiresInTimeOrderWithTiesInCreationOrder)
{
    SimClock clock;
    Recorder rec{{}, &clock};
    auto b = clock.create("b", 30, true, rec.hook("b"));
    auto a = clock.create("a", 20, true, rec.hook("a"));
    auto off = clock.create("off", 10, false, rec.hook("off"));
    clock.advance(60);
    std::vector<std::pair<std::int64_t, std::string>> expected{{20, "a"}, {30, "b"}, {40, "a"}, {60, "b"}, {60, "a"}};
    EXPECT_EQ(rec.ticks, expected);
    EXPECT_EQ(clock.now(), 60);
}

TEST(SimClock, ModalBoxStopsOnlyItsOwnHandlerAndMissedTicksAreNotReplayed)
{
    SimClock clock;
    Recorder rec{{}, &clock};
    int boxes = 0;
    auto frame = clock.create("frame", 50, true, [&] {
        rec.ticks.emplace_back(clock.now(), "frame");
        if (boxes++ == 0)
            clock.advance(1000); // the box stays up one second
    });
    auto ghosts = clock.create("ghosts", 100, true, rec.hook("ghosts"));
    clock.advance(1200);

    // The ghosts kept moving behind the box: ten ticks between 100 and 1000 ms.
    const auto g = rec.times("ghosts");
    ASSERT_GE(g.size(), 10u);
    EXPECT_EQ(g[0], 100);
    EXPECT_EQ(g[9], 1000);
    // The frame did not tick while its box was up, then ticked once (not the
    // nineteen it missed) and went on at its own pace.
    EXPECT_EQ(rec.times("frame"), (std::vector<std::int64_t>{50, 1050, 1100, 1150, 1200}));
}

TEST(SimClock, SamePeriodDoesNotRestartNewPeriodDoes)
{
    SimClock clock;
    Recorder rec{{}, &clock};
    auto slow = clock.create("slow", 136, true, rec.hook("slow"));
    // A 50 ms refresh that sets the same period every tick must not starve it.
    auto refresh = clock.create("refresh", 50, true, [&] { slow->setInterval(136); });
    clock.advance(300);
    EXPECT_EQ(rec.times("slow"), (std::vector<std::int64_t>{136, 272}));

    // A different period restarts the countdown from now.
    refresh.reset();
    slow->setInterval(100);
    clock.advance(150);
    EXPECT_EQ(rec.times("slow").back(), 400);
}

TEST(SimClock, SwitchingOnStartsAFreshCountdownAndZeroNeverFires)
{
    SimClock clock;
    Recorder rec{{}, &clock};
    auto t = clock.create("t", 100, true, rec.hook("t"));
    auto zero = clock.create("zero", 0, true, rec.hook("zero"));
    clock.advance(90);
    t->setEnabled(false);
    clock.advance(30);
    t->setEnabled(true); // at 120: next tick at 220, not 200
    clock.advance(50);
    t->setEnabled(true); // half-way: switching on a running timer changes nothing
    clock.advance(100);
    EXPECT_EQ(rec.times("t"), (std::vector<std::int64_t>{220}));
    EXPECT_TRUE(rec.times("zero").empty());
}

TEST(SimClock, HandlerMayDestroyItsOwnTimer)
{
    SimClock clock;
    int ticks = 0;
    std::unique_ptr<Timer> t;
    t = clock.create("t", 10, true, [&] {
        ++ticks;
        t.reset();
    });
    clock.advance(100);
    EXPECT_EQ(ticks, 1);
}

} // namespace
