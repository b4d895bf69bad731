#include "GameProgram.h"
#include "GameWindow.h"
#include "NullHost.h"
#include "SimClock.h"
#include "StageMapFile.h"
#include "Surface.h"

#include <benchmark/benchmark.h>

#include <random>

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
    NullHost host;
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

// The busiest stage: survival mode on stage 10, 45 ghosts on the real map.
struct BusiestStage {
    NullHost host;
    SimClock clock;
    GameProgram program{host, clock};
    GameWindow* g = nullptr;
    BusiestStage()
    {
        Module1& m = program.module();
        program.ModeCmd_Click(0);
        g = program.game();
        m.StageNo = 10;
        m.MapTile = stagemap::read(MIBBET_SOURCE_DIR "/data/map/map10").board;
        g->ResetActors();
        m.SprHide = On; // nobody dies while we measure
        for (int i = 0; i < 600; ++i)
            g->MoveGhosts(); // spread them over the maze
    }
};

void BM_GhostTick(benchmark::State& state)
{
    BusiestStage s;
    for (auto _ : state)
        s.g->MoveGhosts();
}
BENCHMARK(BM_GhostTick)->Unit(benchmark::kMicrosecond);

void BM_GameFrame(benchmark::State& state)
{
    BusiestStage s;
    for (auto _ : state) {
        s.g->MoveGhosts(); // so that every frame differs
        s.g->DrawBoard();
        s.g->DrawSprite();
        s.g->DrawGhosts();
        s.g->CheckStage();
    }
}
BENCHMARK(BM_GameFrame)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
