#pragma once
#include "Timer.h"

#include <cstdint>
#include <vector>

// Virtual milliseconds for tests: advance() fires due timers in time order,
// ties in creation order, and keeps the rules of Timer.h. advance() may be
// called from inside a tick handler (a test's modal box does that): the timer
// whose handler is running is skipped meanwhile and fires once afterwards if
// it fell due.
class SimClock : public TimerDriver {
public:
    SimClock();
    ~SimClock() override;
    std::unique_ptr<Timer> create(std::string name, int intervalMs, bool enabled,
                                  std::function<void()> onTick) override;

    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }
    // Timers alive, switched on or not.
    std::size_t timerCount() const { return timers_.size(); }

    class SimTimer;

private:
    friend class SimTimer;
    SimTimer* nextDue(std::int64_t limit) const;

    std::int64_t now_ = 0;
    std::uint64_t created_ = 0;
    std::vector<SimTimer*> timers_;
};
