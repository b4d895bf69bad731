#include "GameProgram.h"
#include "GameWindow.h"
#include "SimClock.h"
#include "StageMapFile.h"
#include "Surface.h"

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
        bool HelpWindowVisible() const override { return true; }
        void Quit() override {}
        void PlayEffect(const QString&) override {}
        void StartMusic() override {}
        void RewindMusic() override {}
        void StopMusic() override {}
        void CloseMusic() override {}
        bool MusicNotOpen() const override { return false; }
        qint64 MusicPosition() const override { return 0; }
        QString MusicFile() const override { return {}; }
        void SetMusicFile(const QString&) override {}
    } host;
    SimClock clock;
    GameProgram program(host, clock);
    program.ModeCmd_Click(0);
    for (auto _ : state)
        clock.advance(1000);
}
BENCHMARK(BM_SimulatedSecond);

// One full frame: all 520 tiles by plain copy, then 47 masked sprites (the
// player, the 45 ghosts of the busiest stage and one effect).
void BM_Frame(benchmark::State& state)
{
    const int scale = static_cast<int>(state.range(0));
    Surface fg(scale);
    Board b;
    for (int i = 0; i < BoardCells; ++i)
        b.cells[i] = static_cast<TileCode>((i * 7) % 123);
    for (auto _ : state) {
        // Every cell changes each frame: the worst case, a whole repaint.
        for (TileCode& code : b.cells)
            code = static_cast<TileCode>((code + 1) % 123);
        for (int c = 0; c < BoardCols; ++c)
            for (int r = 0; r < BoardRows; ++r)
                fg.copyTile(b(c, r), c, r);
        fg.drawMasked(SpriteSet::SprPic, 8, 0, 300, 5400);
        for (int i = 0; i < 45; ++i)
            fg.drawMasked(static_cast<SpriteSet>(1 + i % 3), 4 + i % 4, i % 4, (i * 650) % 7500, (i * 470) % 5700);
        fg.drawMasked(SpriteSet::Ls1Pic, 12, 0, 600, 5400);
        benchmark::DoNotOptimize(fg.image().constBits());
    }
}
BENCHMARK(BM_Frame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
