#pragma once
#include "Timer.h"

// Real timers on the Qt event loop (Qt::PreciseTimer). afterTick, when set,
// runs after every handler (with the timer's name) so the windows can follow
// the view model.
class LiveTimers : public TimerDriver {
public:
    std::unique_ptr<Timer> create(std::string name, int intervalMs, bool enabled,
                                  std::function<void()> onTick) override;
    std::function<void(const std::string& timer)> afterTick;
};
