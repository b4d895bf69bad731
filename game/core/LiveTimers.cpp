#include "LiveTimers.h"

#include <QTimer>

namespace {

class LiveTimer : public Timer {
public:
    LiveTimer(LiveTimers& owner, std::string name, int interval, std::function<void()> onTick)
        : owner_(owner), name_(std::move(name)), onTick_(std::move(onTick))
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(interval);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    }
    ~LiveTimer() override
    {
        if (alive_)
            *alive_ = false;
    }

    const std::string& name() const override { return name_; }
    int interval() const override { return timer_.interval(); }
    void setInterval(int ms) override
    {
        // QTimer::setInterval restarts a running timer even for the same value.
        if (ms == timer_.interval())
            return;
        timer_.setInterval(ms);
        syncRunning();
    }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override
    {
        if (on == enabled_)
            return;
        enabled_ = on;
        syncRunning();
    }

private:
    // A period of 0 would make QTimer fire on every pass of the event loop.
    void syncRunning()
    {
        if (enabled_ && timer_.interval() > 0) {
            if (!timer_.isActive())
                timer_.start();
        } else {
            timer_.stop();
        }
    }

    void tick()
    {
        if (running_)
            return; // a tick that arrives while our own handler waits is dropped
        running_ = true;
        bool alive = true;
        alive_ = &alive;
        onTick_();
        if (!alive)
            return;
        alive_ = nullptr;
        running_ = false;
        if (owner_.afterTick)
            owner_.afterTick(name_);
    }

    LiveTimers& owner_;
    std::string name_;
    std::function<void()> onTick_;
    QTimer timer_;
    bool enabled_ = false;
    bool running_ = false;
    bool* alive_ = nullptr;
};

} // namespace

std::unique_ptr<Timer> LiveTimers::create(std::string name, int intervalMs, bool enabled, std::function<void()> onTick)
{
    auto t = std::make_unique<LiveTimer>(*this, std::move(name), intervalMs, std::move(onTick));
    t->setEnabled(enabled);
    return t;
}
