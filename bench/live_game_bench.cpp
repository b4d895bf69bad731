// The whole game on real timers and windows: how faithfully the 4 ms step
// timer ticks while every other timer runs and frames paint, and how much
// CPU a stage takes while nobody plays.
//   tools/xvfb/xvfb.sh build/bench/live_game_bench [seconds]
#include "AppLook.h"
#include "GameProgram.h"
#include "GameWindow.h"
#include "LiveTimers.h"
#include "QtGameHost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>
#include <sys/time.h>

#include <cstdio>
#include <map>

namespace {

// CPU seconds of the main (event) thread alone.
double mainThreadSeconds()
{
    rusage u{};
    getrusage(RUSAGE_THREAD, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    applook::install(QStringLiteral("mibbet"));
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QtGameHost host;
    LiveTimers timers;
    GameProgram program(host, timers);
    host.setProgram(&program);
    host.setAppDir(QStringLiteral(MIBBET_OUT_DIR)); // the built program's maps and sounds
    host.setSoundModuleDirs({QStringLiteral(MIBBET_OUT_DIR)}); // and its sound module
    std::map<std::string, long> ticks;
    timers.afterTick = [&](const std::string& name) {
        ++ticks[name];
        host.syncWindows();
    };
    program.start();

    struct Run {
        int mode;
        const char* name;
    };
    for (Run run : {Run{4, "practice (level 16, 4 ms steps)"}, Run{2, "normal (level 5, 26 ms steps)"}}) {
        program.ModeCmd_Click(run.mode);
        runFor(1000); // first activation, music, first frames, periods settle
        GameWindow* g = program.game();
        if (!g || g->f.Started != On) {
            std::fprintf(stderr, "the game did not start (are the maps beside the program?)\n");
            return 1;
        }
        // Keep the step timer running as it does during a walk.
        g->SprMovTimer->setEnabled(true);
        ticks.clear();
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        runFor(seconds * 1000);
        const double elapsed = wall.nsecsElapsed() / 1e9;
        const double cpu = cpuSeconds() - cpu0;
        const int period = g->SprMovTimer->interval();
        const double nominal = elapsed * 1000.0 / period;
        std::printf("%s over %.2f s:\n", run.name, elapsed);
        std::printf("  SprMovTimer (%d ms): %ld ticks of %.0f nominal = %.1f %%\n", period, ticks["SprMovTimer"], nominal,
                    100.0 * ticks["SprMovTimer"] / nominal);
        std::printf("  Timer1 frames: %ld (%.1f a second)\n", ticks["Timer1"], ticks["Timer1"] / elapsed);
        std::printf("  CPU: %.3f s = %.2f %% of one core\n", cpu, 100.0 * cpu / elapsed);

        // Idle: the character stands still, so its step timer is off.
        g->SprMovTimer->setEnabled(false);
        runFor(500);
        const double idle0 = cpuSeconds(), main0 = mainThreadSeconds();
        wall.restart();
        runFor(seconds * 1000);
        const double idleCpu = cpuSeconds() - idle0, mainCpu = mainThreadSeconds() - main0;
        const double idleWall = wall.nsecsElapsed() / 1e9;
        std::printf("  idle stage (step timer off): CPU %.3f s = %.2f %% of one core"
                    " (game thread %.2f %%, sound and window-system threads %.2f %%)\n",
                    idleCpu, 100.0 * idleCpu / idleWall, 100.0 * mainCpu / idleWall,
                    100.0 * (idleCpu - mainCpu) / idleWall);
        program.backToModeWindow();
        runFor(200);
    }
    return 0;
}
