// A seeded random player drives the whole game under the simulated clock:
// keys, the mouse on and off the board, every menu command and toolbar
// button, the side windows, random answers to every box, saving and loading.
// After every event and every timer tick the game must still make sense.
#include "GameProgram.h"
#include "GameWindow.h"
#include "HighScoreFile.h"
#include "HighScoreForm.h"
#include "Modes.h"
#include "QaForm.h"
#include "Radar.h"
#include "SavedGameFile.h"
#include "SimClock.h"
#include "StageMapFile.h"
#include "TileCatalogue.h"

#include "../core/TestHost.h"
#include "Monkey.h"

#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QTemporaryDir>

#include <iostream>
#include <map>
#include <set>

namespace {

using monkey::Dice;

// The windows a player sees, answered by the monkey. Boxes stay up for a
// random while, during which the game's timers run on as they do on screen.
class MonkeyHost : public TestHost {
public:
    MonkeyHost(SimClock& clock, TimerDriver& timers, Dice& dice)
        : TestHost(clock), clock_(clock), timers_(timers), dice_(dice)
    {
    }
    GameProgram* program = nullptr;
    QStringList namesTyped;
    std::uint64_t boxesShown = 0;
    std::unique_ptr<HighScoreForm> highScores;
    std::unique_ptr<RadarForm> radar;
    std::unique_ptr<QaForm> help;
    std::vector<std::unique_ptr<HighScoreForm>> closedHighScores; // freed between events
    std::function<void()> onBox; // the invariants, checked while a box is up

    QStringList openBoxes; // the texts of the boxes on screen, innermost last

    void MsgBox(const QString& text, const QString&) override { boxUp(text); }
    void MsgBoxPlain(const QString& text) override { boxUp(text); }
    bool AskYesNo(const QString& text, const QString&) override
    {
        boxUp(text);
        return dice_.chance(0.5);
    }
    QString InputBox(const QString& text, const QString&, int) override
    {
        boxUp(text);
        if (dice_.chance(0.15))
            return {}; // cancelled
        const QString name = monkey::typedName(dice_, namesTyped);
        if (!name.isEmpty() && namesTyped.size() < 40 && !namesTyped.contains(name))
            namesTyped << name;
        return name;
    }
    double Rnd() override { return dice_.unit(); }

    void ShowHighScoreWindow() override
    {
        TestHost::ShowHighScoreWindow();
        if (highScores)
            closedHighScores.push_back(std::move(highScores));
        highScores = std::make_unique<HighScoreForm>(*program);
    }
    void CloseHighScoreWindow() override
    {
        TestHost::CloseHighScoreWindow();
        if (highScores)
            closedHighScores.push_back(std::move(highScores)); // its own button may be running
    }
    void ShowRadarWindow() override
    {
        TestHost::ShowRadarWindow();
        if (!radar)
            radar = std::make_unique<RadarForm>(program->module(), timers_);
    }
    void CloseRadarWindow() override
    {
        TestHost::CloseRadarWindow();
        radar.reset();
    }
    void ShowHelpWindow() override
    {
        TestHost::ShowHelpWindow();
        if (!help)
            help = std::make_unique<QaForm>();
    }
    void CloseHelpWindow() override
    {
        TestHost::CloseHelpWindow();
        help.reset();
    }
    void CloseSideWindows() override
    {
        const bool scores = highScoresOpen;
        TestHost::CloseSideWindows();
        radar.reset();
        help.reset();
        if (scores && highScores)
            closedHighScores.push_back(std::move(highScores));
    }

private:
    void boxUp(const QString& text)
    {
        ++boxesShown;
        openBoxes << text;
        if (onBox)
            onBox();
        clock_.advance(dice_.pause());
        openBoxes.removeLast();
    }
    SimClock& clock_;
    TimerDriver& timers_;
    Dice& dice_;
};

// A menu command: its menu, its own control, its shortcut (0 for none) and handler.
struct Command {
    const char* menu;
    const char* control;
    int key;
    Qt::KeyboardModifiers mods;
    void (GameWindow::*handler)();
};

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = {
        {"Game", "GameStop", Qt::Key_Z, Qt::ControlModifier, &GameWindow::PauseGame},
        {"Game", "GameResect", Qt::Key_R, Qt::ControlModifier, &GameWindow::RestartGame},
        {"Game", "saveSP", Qt::Key_S, Qt::ControlModifier, &GameWindow::SaveGame},
        {"Game", "loadSP", Qt::Key_L, Qt::ControlModifier, &GameWindow::LoadGame},
        {"Game", "GameOuit", Qt::Key_Q, Qt::ControlModifier, &GameWindow::QuitGame},
        {"Win", "MapLa", 0, {}, &GameWindow::MapLa_Click},
        {"Win", "Cop", 0, {}, &GameWindow::Cop_Click},
        {"Win", "Mess", 0, {}, &GameWindow::Mess_Click},
        {"Coped", "GameCaption", Qt::Key_F1, {}, &GameWindow::GameCaption_Click},
        {"Sco", "Scor", 0, {}, &GameWindow::ShowHighScores},
        {"QA", "LinkMe", 0, {}, &GameWindow::LinkMe_Click},
        {"LinkWeb", "Halvern", 0, {}, &GameWindow::Halvern_Click},
        {"Tool", "Tool0", Qt::Key_F2, {}, &GameWindow::Tool0_Click},
        {"Tool", "Tool1", Qt::Key_F3, {}, &GameWindow::Tool1_Click},
        {"Tool", "Tool2", Qt::Key_F4, {}, &GameWindow::Tool2_Click},
        {"Tool", "Tool3", Qt::Key_F5, {}, &GameWindow::Tool3_Click},
        {"Tool", "Tool4", Qt::Key_F6, {}, &GameWindow::Tool4_Click},
        {"Tool", "Tool5", Qt::Key_F7, {}, &GameWindow::Tool5_Click},
        {"Tool", "Tool6", Qt::Key_F8, {}, &GameWindow::Tool6_Click},
        {"Tool", "Tool7", Qt::Key_F9, {}, &GameWindow::Tool7_Click},
        {"Tool", "Tool8", Qt::Key_F11, {}, &GameWindow::Tool8_Click},
        {"Tool", "Tool9", Qt::Key_F12, {}, &GameWindow::Tool9_Click},
    };
    return all;
}

const char* const ToolbarKeys[17] = {nullptr, "reset", "stop", nullptr, "save", "load", nullptr, "quit", nullptr,
                                     "coped", "mess", "lada", nullptr, "sco", "callme", "cop", "halvern"};

class GameMonkey {
public:
    GameMonkey(int mode, std::uint32_t seed) : mode_(mode), dice_(seed + static_cast<std::uint32_t>(mode))
    {
        app_ = root_.path() + QStringLiteral("/app");
        QDir().mkpath(app_ + QStringLiteral("/map"));
        QDir().mkpath(app_ + QStringLiteral("/save"));
        for (const QString& f : QDir(QStringLiteral(MIBBET_SOURCE_DIR "/data/map")).entryList(QDir::Files))
            QFile::copy(QStringLiteral(MIBBET_SOURCE_DIR "/data/map/") + f, app_ + QStringLiteral("/map/") + f);
        QFile::copy(QStringLiteral(MIBBET_SOURCE_DIR "/data/save/high.tm"), app_ + QStringLiteral("/save/high.tm"));
        timers_.beforeTick = [this](const std::string&, const Timer* t) { beforeTick(t); };
        timers_.afterTick = [this](const std::string& name, const Timer*) { afterTick(name); };
        newProgram();
    }

    // Plays for `ms` of simulated time; returns the number of player events.
    std::uint64_t play(std::int64_t ms)
    {
        const std::int64_t end = clock_.now() + ms;
        while (clock_.now() < end && !::testing::Test::HasFatalFailure() && failures_ < 5) {
            act();
            ++events_;
            host_->program->collect();
            host_->closedHighScores.clear();
            check("after event");
            checkFiles();
            clock_.advance(dice_.pause());
        }
        return events_;
    }

    std::uint64_t ticks() const { return timers_.ticks; }
    std::uint64_t boxes() const
    {
        std::uint64_t n = host_->boxesShown;
        for (const auto& r : retired_)
            n += r.second->boxesShown;
        return n;
    }
    int games() const { return games_; }
    int stagesSeen() const { return static_cast<int>(stages_.size()); }
    int endings() const { return static_cast<int>(endings_.size()); }
    int saves() const { return saves_; }

private:
    void newProgram()
    {
        if (host_)
            retired_.push_back({std::move(program_), std::move(host_)});
        host_ = std::make_unique<MonkeyHost>(clock_, timers_, dice_);
        host_->appDir = app_;
        host_->onBox = [this] { check("while a box is up"); };
        program_ = std::make_unique<GameProgram>(*host_, timers_);
        host_->program = program_.get();
        program_->start();
    }

    GameWindow* liveGame() const
    {
        GameWindow* g = program_->game();
        return g && !g->closed() ? g : nullptr;
    }

    void act()
    {
        if (host_->quit) {
            newProgram();
            return;
        }
        GameWindow* g = liveGame();
        if (!g) {
            if (host_->modeWindowOpen && dice_.chance(0.02)) {
                program_->modeWindowClosed();
                return;
            }
            program_->ModeCmd_Click(mode_);
            if (GameWindow* n = liveGame()) {
                ++games_;
                n->Form_Activate();
            }
            return;
        }
        if (host_->highScoresOpen) {
            if (dice_.chance(0.3) && host_->highScores)
                host_->highScores->Command1_Click();
            return;
        }
        if (!g->vm.enabled(QStringLiteral("Form1")))
            return; // another window has the input
        const int r = dice_.upTo(100);
        if (r < 45)
            key(*g);
        else if (r < 60)
            mouse(*g);
        else if (r < 72)
            menu(*g);
        else if (r < 82)
            toolbar(*g);
        else if (r < 90)
            panels(*g);
        else if (r < 93)
            g->Form_Activate();
        else if (r < 94 && !tooSoonToLeave(true))
            program_->gameWindowClosed(); // the close box
        else if (r < 97 && host_->help)
            host_->help->Cmd_Click(dice_.upTo(8));
        // else: the player only waits
    }

    // The last events, told with a failure.
    void note(const QString& what)
    {
        trail_.push_back(QString::number(clock_.now()) + QStringLiteral(" ms ") + what);
        if (trail_.size() > 16)
            trail_.pop_front();
    }

    void key(GameWindow& g)
    {
        static const std::vector<int> arrows = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
        static const std::vector<int> others = {Qt::Key_A,     Qt::Key_C,      Qt::Key_V,     Qt::Key_X,
                                                Qt::Key_Z,     Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space,
                                                Qt::Key_Escape, Qt::Key_M,     Qt::Key_N,     Qt::Key_Q,
                                                Qt::Key_1,     Qt::Key_Tab,    Qt::Key_F10,   Qt::Key_Shift};
        static const std::vector<int> functionKeys = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4,
                                                      Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8,
                                                      Qt::Key_F9, Qt::Key_F11, Qt::Key_F12};
        const int r = dice_.upTo(100);
        if (r < 55) {
            const int toward = towardBall(g.m);
            const int k = toward >= 0 && dice_.chance(0.7) ? arrows[toward] : dice_.pick(arrows);
            note(QStringLiteral("arrow %1").arg(k - Qt::Key_Left));
            g.FG_KeyDown(k, {});
            if (dice_.chance(0.3))
                g.FG_KeyUp(k, {});
        } else if (r < 75) {
            const int k = dice_.pick(others);
            Qt::KeyboardModifiers mods;
            if (dice_.chance(0.1))
                mods = Qt::ShiftModifier;
            note(QStringLiteral("key %1").arg(QKeySequence(k).toString()));
            g.FG_KeyDown(k, mods);
            if (dice_.chance(0.6) && liveGame() == &g)
                g.FG_KeyUp(k, mods);
        } else if (r < 82) {
            // The test tools' chords, on and off.
            note(QStringLiteral("tools chord"));
            g.FG_KeyDown(dice_.chance(0.7) ? GameWindow::ToolsOnKey : GameWindow::ToolsOffKey,
                         Qt::ControlModifier | Qt::AltModifier);
        } else if (r < 94) {
            // Emptying the board and 99 lives take the game to later stages.
            const int k = dice_.chance(0.3) ? (dice_.chance(0.5) ? Qt::Key_F7 : Qt::Key_F9) : dice_.pick(functionKeys);
            shortcut(g, k, {});
        } else {
            static const std::vector<int> letters = {Qt::Key_Z, Qt::Key_R, Qt::Key_S, Qt::Key_L, Qt::Key_Q};
            shortcut(g, dice_.pick(letters), Qt::ControlModifier);
        }
    }

    // The arrow (0 left, 1 up, 2 right, 3 down) of the first step on a
    // shortest walk to the nearest ball, or -1: a player who means to clear
    // the stage reaches the later stages and the ending.
    static int towardBall(const Module1& m)
    {
        const int start = (m.SprY / 300) * BoardCols + m.SprX / 300;
        const int dc[] = {-1, 0, 1, 0}, dr[] = {0, -1, 0, 1};
        std::vector<int> first(BoardCells, -2);
        std::vector<int> queue{start};
        first[static_cast<std::size_t>(start)] = -1;
        for (std::size_t q = 0; q < queue.size(); ++q) {
            const int at = queue[q], c = at % BoardCols, r = at / BoardCols;
            if (at != start && tiles::isBall(m.MapTile(c, r)))
                return first[static_cast<std::size_t>(at)];
            for (int d = 0; d < 4; ++d) {
                const int nc = c + dc[d], nr = r + dr[d];
                if (!Board::inside(nc, nr) || tiles::blocksCharacter(m.MapTile(nc, nr)))
                    continue;
                const int n = nr * BoardCols + nc;
                if (first[static_cast<std::size_t>(n)] != -2)
                    continue;
                first[static_cast<std::size_t>(n)] = at == start ? d : first[static_cast<std::size_t>(at)];
                queue.push_back(n);
            }
        }
        return -1;
    }

    // A key with a menu shortcut runs the command while its item and its
    // menu are enabled, as the window's shortcuts do; otherwise the board
    // gets the key.
    void shortcut(GameWindow& g, int k, Qt::KeyboardModifiers mods)
    {
        note(QStringLiteral("shortcut %1").arg(QKeySequence(k | mods).toString()));
        for (const Command& c : commands())
            if (c.key == k && c.mods == mods) {
                if (enabled(g, c.menu) && enabled(g, c.control)) {
                    if (c.handler == &GameWindow::Tool4_Click)
                        riverTool_ = &g;
                    if (!tooSoonToLeave(c.handler == &GameWindow::RestartGame || c.handler == &GameWindow::QuitGame))
                        (g.*c.handler)();
                    return;
                }
                break;
            }
        g.FG_KeyDown(k, mods);
    }

    static bool enabled(const GameWindow& g, const char* control)
    {
        const ControlState* s = g.vm.find(QString::fromLatin1(control));
        return !s || s->enabled;
    }

    void mouse(GameWindow& g)
    {
        static const int buttons[] = {GameWindow::LeftButton, GameWindow::RightButton, GameWindow::MiddleButton};
        const bool on = dice_.chance(0.85);
        const double x = on ? dice_.between(0, 7799) : dice_.between(-3000, 11000);
        const double y = on ? dice_.between(0, 5999) : dice_.between(-3000, 9000);
        const int button = buttons[dice_.upTo(3)];
        Qt::KeyboardModifiers mods;
        if (dice_.chance(0.1))
            mods = Qt::ShiftModifier;
        note(QStringLiteral("mouse button %1 at (%2, %3)").arg(button).arg(x).arg(y));
        switch (dice_.upTo(3)) {
        case 0: g.FG_MouseDown(button, mods, x, y); break;
        case 1: g.FG_MouseMove(dice_.chance(0.5) ? button : 0, mods, x, y); break;
        default: g.FG_MouseUp(button, mods, x, y); break;
        }
    }

    void menu(GameWindow& g)
    {
        const Command& c = dice_.pick(commands());
        note(QStringLiteral("menu %1").arg(QLatin1String(c.control)));
        if (c.handler == &GameWindow::Tool4_Click)
            riverTool_ = &g;
        if (enabled(g, c.menu) && enabled(g, c.control) && !tooSoonToLeave(c.handler == &GameWindow::RestartGame ||
                                                                           c.handler == &GameWindow::QuitGame))
            (g.*c.handler)();
    }

    void toolbar(GameWindow& g)
    {
        const int index = dice_.between(1, 16);
        note(QStringLiteral("toolbar %1").arg(index));
        if (ToolbarKeys[index] && enabled(g, (std::string("Toolbar1.") + ToolbarKeys[index]).c_str()) &&
            !tooSoonToLeave(index == 1 || index == 7))
            g.Toolbar1_ButtonClick(index);
    }

    // Restarting and quitting are offered less often, so that games last
    // long enough to reach later stages and their ending.
    bool tooSoonToLeave(bool leaving) { return leaving && dice_.chance(0.97); }

    // The message panel, its icon and the description over the board.
    void panels(GameWindow& g)
    {
        if (g.vm.visible(QStringLiteral("GameFrame"))) {
            if (dice_.chance(0.5))
                g.VScroll1_Change(dice_.between(0, 3000));
            else
                g.Command1_Click();
            return;
        }
        switch (dice_.upTo(3)) {
        case 0: g.Image1_DblClick(); break;
        case 1:
            if (g.vm.visible(QStringLiteral("Frame5")))
                g.Frame5_DblClick();
            break;
        default:
            if (g.vm.visible(QStringLiteral("Frame5")))
                g.Label1_DblClick();
            break;
        }
    }

    // A frame repaints the board first: the panel then counts the balls the
    // board held as the frame began (a box or a new stage during the frame
    // lets the board change meanwhile).
    void beforeTick(const Timer* t)
    {
        GameWindow* g = liveGame();
        if (!g || t != g->Timer1.get())
            return;
        frame_ = {true, countTiles(g->m.MapTile, tiles::SmallBall), countTiles(g->m.MapTile, tiles::BigBall),
                  g->m.StageNo, host_->boxesShown};
    }

    void afterTick(const std::string& name)
    {
        check(name.c_str());
        GameWindow* g = liveGame();
        const bool frame = std::exchange(frame_.counted, false);
        if (!frame || !g || g->m.StageNo != frame_.stage ||
            host_->boxesShown != frame_.boxes)
            return;
        if (g->vm.text(QStringLiteral("Label21")) != QString::number(frame_.small) ||
            g->vm.text(QStringLiteral("Label22")) != QString::number(frame_.big))
            fail("Timer1", QStringLiteral("the panel shows %1 and %2 balls, the board held %3 and %4")
                               .arg(g->vm.text(QStringLiteral("Label21")), g->vm.text(QStringLiteral("Label22")))
                               .arg(frame_.small)
                               .arg(frame_.big));
    }

    void check(const char* when)
    {
        GameWindow* g = liveGame();
        if (!g || g->f.Started == Off)
            return;
        const Module1& m = g->m;
        stages_[m.StageNo] = true;
        if (g->vm.visible(QStringLiteral("EndFm")))
            endings_.insert(games_);
        auto inside = [](int x, int y) { return 0 <= x && x <= 7500 && 0 <= y && y <= 5700; };
        if (!inside(m.SprX, m.SprY))
            fail(when, QStringLiteral("the character stands at (%1, %2)").arg(m.SprX).arg(m.SprY));
        // Between moves the character stands on a cell, never between two.
        if (m.SprMoving == Off && (m.SprX % 300 != 0 || m.SprY % 300 != 0))
            fail(when, QStringLiteral("the character rests between cells at (%1, %2)").arg(m.SprX).arg(m.SprY));
        // At rest on a cell origin, the character stands where it may walk;
        // the test tool that turns the cell in front into river may turn the
        // one it is stepping into, so after it this is not asked.
        if (riverTool_ != g && inside(m.SprX, m.SprY) && m.SprMoving == Off && m.SprX % 300 == 0 && m.SprY % 300 == 0 &&
            tiles::blocksCharacter(m.MapTile(m.SprX / 300, m.SprY / 300)))
            fail(when, QStringLiteral("the character rests inside code %1 at (%2, %3)")
                           .arg(m.MapTile(m.SprX / 300, m.SprY / 300))
                           .arg(m.SprX)
                           .arg(m.SprY));
        if (m.SprDir < 0 || m.SprDir > 3)
            fail(when, QStringLiteral("the character faces %1").arg(m.SprDir));
        for (int i = 0; i < GhostSlots; ++i) {
            const GhoRec& gh = m.GhoTab[i];
            if (gh.Alive && (!inside(gh.X, gh.Y) || gh.Dir < 0 || gh.Dir > 3 || gh.Kind < 0 || gh.Kind > 2))
                fail(when, QStringLiteral("ghost %1 at (%2, %3) facing %4, kind %5")
                               .arg(i).arg(gh.X).arg(gh.Y).arg(gh.Dir).arg(gh.Kind));
        }
        // PPMax follows the level on the next status refresh; the level's
        // ceiling holds at every moment.
        if (g->f.PP < 0 || g->f.PP > m.ppCeiling())
            fail(when, QStringLiteral("PP %1 of %2").arg(g->f.PP).arg(m.ppCeiling()));
        // A time-out costs two lives, so the last one may go to -1: as the
        // game is over.
        const bool over = host_->openBoxes.contains(QStringLiteral("遊戲結束")) || g->EndTimer->enabled() ||
                          g->vm.visible(QStringLiteral("EndFm"));
        if (m.Lives < 0 && !over)
            fail(when, QStringLiteral("%1 lives while the game goes on").arg(m.Lives));
        if (g->f.TimeLeft < 0)
            fail(when, QStringLiteral("the stage clock shows %1").arg(g->f.TimeLeft));
        if (m.StageNo < 0 || m.StageNo > 10)
            fail(when, QStringLiteral("stage %1").arg(m.StageNo));
    }

    // Every file the game keeps must read back, and none may appear elsewhere.
    void checkFiles()
    {
        for (const QString& rel : files_.next()) {
            QFile f(files_.path(rel));
            if (!f.open(QIODevice::ReadOnly)) {
                fail("files", QStringLiteral("%1 cannot be read").arg(rel));
                continue;
            }
            const QByteArray bytes = f.readAll();
            if (rel.startsWith(QLatin1String("app/save/")) && rel.endsWith(QLatin1String(".rgm"))) {
                ++saves_;
                const savedgame::ParseResult r = savedgame::parse(bytes);
                if (!r.record)
                    fail("files", QStringLiteral("%1 line %2: %3").arg(rel).arg(r.problem.line).arg(r.problem.what));
            } else if (rel == QLatin1String("app/save/high.tm")) {
                if (highscores::format(highscores::parse(bytes)) != bytes)
                    fail("files", QStringLiteral("high.tm is not a whole table"));
            } else if (rel.startsWith(QLatin1String("app/map/map"))) {
                if (!stagemap::parse(bytes.toStdString()).ok())
                    fail("files", QStringLiteral("%1 is no stage map").arg(rel));
            } else if (rel != QLatin1String("app/map/BaseMaze.bme")) {
                fail("files", QStringLiteral("%1 should not be there").arg(rel));
            }
        }
    }

    void fail(const char* when, const QString& what)
    {
        ++failures_;
        ADD_FAILURE() << "mode " << mode_ << ", event " << events_ << ", " << clock_.now() << " ms, " << when << ": "
                      << what.toStdString() << "\nafter:\n  " << trail_.join(QStringLiteral("\n  ")).toStdString();
    }

    int mode_;
    Dice dice_;
    QTemporaryDir root_;
    QString app_;
    SimClock clock_;
    monkey::WatchedTimers timers_{clock_};
    std::unique_ptr<MonkeyHost> host_;
    std::unique_ptr<GameProgram> program_;
    // Programs that quit stay until the end: a handler of theirs may be on the stack.
    std::vector<std::pair<std::unique_ptr<GameProgram>, std::unique_ptr<MonkeyHost>>> retired_;
    monkey::ChangedFiles files_{root_.path()};
    QStringList trail_;
    const GameWindow* riverTool_ = nullptr; // the game where the river tool was used
    std::map<int, bool> stages_;
    std::set<int> endings_; // the games (by number) that reached their ending
    struct Frame {
        bool counted = false;
        int small = 0, big = 0, stage = 0;
        std::uint64_t boxes = 0;
    } frame_;
    std::uint64_t events_ = 0;
    int games_ = 0, saves_ = 0, failures_ = 0;
};

class GameMonkeyTest : public ::testing::TestWithParam<int> {};

// MIBBET_MONKEY_MINUTES=60 plays the full simulated hour per mode.
TEST_P(GameMonkeyTest, PlaysWithoutBreakingAnyRule)
{
    const int minutes = monkey::minutes(10);
    GameMonkey g(GetParam(), monkey::seed());
    const std::uint64_t events = g.play(std::int64_t{minutes} * 60 * 1000);
    std::cout << "[ monkey ] " << ModeTable[GetParam()].modeName << ": " << minutes << " min, " << events
              << " events, " << g.ticks() << " ticks, " << g.boxes() << " boxes, " << g.games() << " games, "
              << g.stagesSeen() << " stages, " << g.endings() << " endings, " << g.saves() << " saved files read" << std::endl;
    EXPECT_GT(g.games(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, GameMonkeyTest, ::testing::Range(0, static_cast<int>(ModeTable.size())));

} // namespace
