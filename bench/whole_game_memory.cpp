// A whole game of ten stages on the shipped maps under the simulated clock,
// each stage emptied with the test tools and finished by walking onto its
// last ball, then the ending; prints the stages played, the simulated time
// and the peak resident memory of the process (VmHWM from /proc).
//   build/bench/whole_game_memory
#include "GameProgram.h"
#include "GameWindow.h"
#include "NullHost.h"
#include "SimClock.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

long peakResidentKb()
{
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main()
{
    // A copy of the maps and saves, so the game can write without touching the build.
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("whole_game_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const char* sub : {"map", "save"})
        fs::copy(fs::path(MIBBET_OUT_DIR) / sub, dir / sub, fs::copy_options::recursive);

    NullHost host;
    host.appDir = QString::fromStdString(dir.string());
    SimClock clock;
    GameProgram program(host, clock);
    program.ModeCmd_Click(1); // normal mode: ten stages
    GameWindow* g = program.game();
    g->Form_Activate();
    Module1& m = program.module();
    std::int64_t simulatedMs = 0;
    const auto advanceUntil = [&](auto done) {
        for (int ms = 0; ms < 60000 && !done(); ms += 10, simulatedMs += 10)
            clock.advance(10);
    };
    int played = 0;
    for (int stage = 1; stage <= 10 && m.StageNo == stage; ++stage) {
        m.SprHide = On; // the ghosts pass through an invisible player
        advanceUntil([] { return false; }); // a minute of play on the stage first
        g->FG_KeyDown(GameWindow::ToolsOnKey, Qt::ControlModifier | Qt::AltModifier);
        g->FG_KeyUp(GameWindow::ToolsOnKey, Qt::ControlModifier | Qt::AltModifier);
        g->Tool5_Click();
        // Right held: the first press turns the player, the key's repeats walk it.
        int sinceRepeat = 0;
        advanceUntil([&] {
            if ((sinceRepeat += 10) >= 100) {
                sinceRepeat = 0;
                g->FG_KeyDown(Qt::Key_Right, Qt::NoModifier);
            }
            return m.StageNo != stage || g->vm.visible(QStringLiteral("EndFm"));
        });
        g->FG_KeyUp(Qt::Key_Right, Qt::NoModifier);
        ++played;
    }
    advanceUntil([] { return false; }); // the ending
    std::printf("%d stages and the ending in %.0f simulated seconds; peak resident %.1f MB\n", played,
                simulatedMs / 1000.0, peakResidentKb() / 1024.0);
    fs::remove_all(dir);
    return played == 10 ? 0 : 1;
}
