#pragma once
#include "GameState.h"
#include "Timer.h"

#include <QImage>

#include <functional>
#include <memory>

// The radar window's board in miniature, five times a second: a 4 x 4 pixel
// square per cell, red for a small ball, yellow for a big one, green for
// anything else, and a black square where the player is, between two
// squares when it is between two cells. It shows no ghosts.
class RadarForm {
public:
    RadarForm(const Module1& m, TimerDriver& timers);

    static constexpr int Width = 108, Height = 84; // the surface CM, 1620 x 1260 twips
    const QImage& CM() const { return cm_; }
    // Called after every repaint, for the window to show it.
    std::function<void()> painted;

    std::unique_ptr<Timer> Timer1;

private:
    void Timer1_Timer();

    const Module1& m_;
    QImage cm_;
};
