#include "SimClock.h"

#include <algorithm>

class SimClock::SimTimer : public Timer {
public:
    SimTimer(SimClock& clock, std::string name, int interval, std::uint64_t order, std::function<void()> onTick)
        : clock_(clock), name_(std::move(name)), interval_(interval), order_(order), onTick_(std::move(onTick))
    {
    }
    ~SimTimer() override
    {
        markDead();
        auto& v = clock_.timers_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }

    const std::string& name() const override { return name_; }
    int interval() const override { return interval_; }
    void setInterval(int ms) override
    {
        if (ms == interval_)
            return;
        interval_ = ms;
        if (enabled_)
            due_ = clock_.now_ + interval_;
    }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override
    {
        if (on && !enabled_)
            due_ = clock_.now_ + interval_;
        enabled_ = on;
    }

    bool ready(std::int64_t limit) const { return enabled_ && !running_ && interval_ > 0 && due_ <= limit; }

    void fire()
    {
        const std::int64_t at = clock_.now_;
        due_ += interval_;
        if (due_ <= at)
            due_ = at + interval_;
        running_ = true;
        // The handler may destroy this timer; keep what is needed on the stack.
        bool alive = true;
        alive_ = &alive;
        onTick_();
        if (alive) {
            running_ = false;
            alive_ = nullptr;
        }
    }

    SimClock& clock_;
    std::string name_;
    int interval_;
    std::uint64_t order_;
    std::function<void()> onTick_;
    bool enabled_ = false;
    bool running_ = false;
    bool* alive_ = nullptr;
    std::int64_t due_ = 0;

    friend class SimClock;

public:
    void markDead()
    {
        if (alive_)
            *alive_ = false;
    }
};

SimClock::SimClock() = default;

SimClock::~SimClock()
{
    for (SimTimer* t : timers_)
        t->markDead();
}

std::unique_ptr<Timer> SimClock::create(std::string name, int intervalMs, bool enabled, std::function<void()> onTick)
{
    auto t = std::make_unique<SimTimer>(*this, std::move(name), intervalMs, created_++, std::move(onTick));
    timers_.push_back(t.get());
    if (enabled)
        t->setEnabled(true);
    return t;
}

SimClock::SimTimer* SimClock::nextDue(std::int64_t limit) const
{
    SimTimer* best = nullptr;
    for (SimTimer* t : timers_) {
        if (!t->ready(limit))
            continue;
        if (!best || t->due_ < best->due_ || (t->due_ == best->due_ && t->order_ < best->order_))
            best = t;
    }
    return best;
}

void SimClock::advance(std::int64_t ms)
{
    const std::int64_t target = now_ + ms;
    while (SimTimer* t = nextDue(std::max(target, now_))) {
        now_ = std::max(now_, t->due_);
        t->fire();
    }
    now_ = std::max(now_, target);
}
