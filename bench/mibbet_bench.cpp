#include "GameProgram.h"
#include "GameWindow.h"
#include "SimClock.h"
#include "StageMapFile.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ParseStageMap(benchmark::State& state)
{
    Board b;
    for (int i = 0; i < BoardCells; ++i)
        b.cells[i] = static_cast<TileCode>(i % 123);
    const std::string text = stagemap::format(b);
    for (auto _ : state)
        benchmark::DoNotOptimize(stagemap::parse(text));
}
BENCHMARK(BM_ParseStageMap);

// One second of game time with every game-window timer running, under the
// simulated clock: the cost of the timer machinery itself.
void BM_SimulatedSecond(benchmark::State& state)
{
    struct NullHost : GameHost {
        void MsgBox(const QString&, const QString&) override {}
        bool AskYesNo(const QString&, const QString&) override { return false; }
        QString InputBox(const QString&, const QString&) override { return {}; }
        double Rnd() override { return 0.5; }
        void Randomize() override {}
        QString AppDir() const override { return {}; }
        void ShowModeWindow() override {}
        void CloseModeWindow() override {}
        void ShowHelpWindow() override {}
        void ShowRadarWindow() override {}
        void CloseSideWindows() override {}
        void ShowGameWindow() override {}
        void CloseGameWindow() override {}
        bool GameWindowVisible() const override { return true; }
        void Quit() override {}
    } host;
    SimClock clock;
    GameProgram program(host, clock);
    program.ModeCmd_Click(0);
    for (auto _ : state)
        clock.advance(1000);
}
BENCHMARK(BM_SimulatedSecond);

} // namespace

BENCHMARK_MAIN();
