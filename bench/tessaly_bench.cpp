// The editor's full redraw of the 520 board cells (after a load or a
// generation), at 1x and at 2x.
#include "EditorModel.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

class NoHost : public EditorHost {
public:
    void MsgBox(const QString&, const QString&) override {}
    QString InputBox(const QString&, const QString&) override { return {}; }
    bool AskYesNo(const QString&, const QString&) override { return false; }
    double Rnd() override { return 0.5; }
    void Randomize() override {}
    QString AppDir() const override { return {}; }
};

void BM_EditorDrawBoard(benchmark::State& state)
{
    NoHost host;
    EditorModel model(host, static_cast<int>(state.range(0)));
    for (int i = 0; i < BoardCells; ++i)
        model.EdBoard.cells[i] = static_cast<TileCode>(i % 2 ? 0 : 77);
    for (auto _ : state) {
        model.DrawBoard();
        benchmark::DoNotOptimize(model.FG.constBits());
    }
}
BENCHMARK(BM_EditorDrawBoard)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
