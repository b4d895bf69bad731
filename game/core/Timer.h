#pragma once
#include <functional>
#include <memory>
#include <string>

// A named periodic timer with an on/off switch, like the game window's timers.
// Rules every driver keeps:
//  - ticks of one timer never overlap; a timer whose handler is still running
//    (waiting in a modal box, say) delivers nothing until it returns, and the
//    ticks it missed are not replayed;
//  - setting the period it already has does not restart the countdown; a new
//    period on a running timer restarts it; switching a stopped timer on starts
//    a fresh countdown;
//  - a period of 0 never fires.
class Timer {
public:
    virtual ~Timer() = default;
    virtual const std::string& name() const = 0;
    virtual int interval() const = 0;
    virtual void setInterval(int ms) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
};

class TimerDriver {
public:
    virtual ~TimerDriver() = default;
    virtual std::unique_ptr<Timer> create(std::string name, int intervalMs, bool enabled,
                                          std::function<void()> onTick) = 0;
};
