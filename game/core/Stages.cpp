#include "GameProgram.h"
#include "GameWindow.h"

namespace {

struct Stage {
    const char* name;
    std::int16_t time;       // seconds at the start of the stage
    std::int32_t musicLoop;  // ms
    std::int16_t refill;     // seconds after a time-out
};

// Stage 0 is the practice map.
constexpr Stage Stages[] = {
    {"方塊花園", 1800, 115000, 1800}, // practice: a time-out refills its own clock
    {"岩石地", 480, 59000, 480},
    {"河流森林", 420, 59500, 420},
    {"海洋森林", 300, 66000, 400},
    {"冰雪新世界", 480, 165000, 480},
    {"雪山群", 600, 115000, 600},
    {"古代人墳場", 600, 80000, 600},
    {"森林墳場", 600, 85000, 600},
    {"河流森林二", 600, 326000, 600},
    {"小山脈", 600, 51000, 600},
    {"雪人禁地", 600, 73000, 600},
};

const Stage* stageOf(int no) { return no >= 0 && no <= 10 ? &Stages[no] : nullptr; }

} // namespace

// The stage clock, once a second.
void GameWindow::GameTimer_Timer()
{
    if (f.TimeLeft != 0) {
        --f.TimeLeft;
        vm.setText(QStringLiteral("Frame22"),
                   QStringLiteral("時間：%1分%2秒").arg(f.TimeLeft / 60).arg(f.TimeLeft % 60));
        vm.setWidth(QStringLiteral("TimPic"), 3 * f.TimeLeft);
        vm.setVisible(QStringLiteral("TimPic"), true);
        return;
    }
    // Time-out: exhaustion costs two lives.
    SprMovTimer->setEnabled(false);
    f.MsgBusy = On;
    host_.MsgBox(QStringLiteral("你因疲憊到無法行走進而被鬼吞殺"), QStringLiteral("闖關時間過久"));
    f.MsgBusy = Off;
    if (closed_)
        return;
    --m.Lives;
    m.SprMoving = Off;
    m.SprStep = 0;
    m.Ls1On = m.Ls2On = m.ChiOn = Off;
    ChiTimer->setEnabled(false);
    LsTimer->setEnabled(false);
    m.SprX = 300;
    m.SprY = 5400;
    m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = 3;
    f.SprFrame = 0;
    SetFxPos();
    startInvincibility();
    --m.Lives;
    vm.setText(QStringLiteral("Label6"), QString::number(m.Lives - 1));
    if (const Stage* s = stageOf(m.StageNo))
        f.TimeLeft = s->refill;
    if (m.Lives < 1)
        GameOver(true);
}

void GameWindow::stageStartValues()
{
    if (const Stage* s = stageOf(m.StageNo)) {
        f.TimeLeft = s->time;
        f.MusicLoop = s->musicLoop;
        vm.setText(QStringLiteral("Label13"), QString::fromUtf8(s->name));
    }
}

// End of every frame: no ball left clears the stage.
void GameWindow::CheckStage()
{
    if (CheckBall())
        return;
    // A test game ends with its map, without the ending.
    if (m.testGame()) {
        setGameClock(false);
        stopWalking();
        host_.StopMusic();
        host_.MsgBox(QStringLiteral("試玩過關！"), QStringLiteral("挑戰成功"));
        if (!closed_)
            program_.gameWindowClosed();
        return;
    }
    if (m.StageNo >= 1 && m.StageNo <= 9) {
        host_.MsgBox(QStringLiteral("闖關成功，進入第 %1 關").arg(m.StageNo + 1), QStringLiteral("跳關"));
        if (closed_)
            return;
        m.SprStep = 0;
        m.SprMoving = Off;
        SprMovTimer->setEnabled(false);
        ++m.StageNo;
        MvGhoTimer->setInterval(m.ghostMovePeriod());
        LoadStageMap(m.StageNo);
        if (closed_)
            return; // the map was refused
        ResetActors();
        stageStartValues();
        return;
    }
    setGameClock(false);
    stopWalking();
    if (m.StageNo == 0) {
        host_.StopMusic();
        host_.MsgBox(QStringLiteral("此為練習模式，您已練習完畢！"), QStringLiteral("挑戰成功"));
    } else {
        host_.MsgBox(QStringLiteral("你已經全破關了"), QStringLiteral("挑戰成功"));
    }
    if (!closed_)
        EndOfGame();
}

void GameWindow::ResetActors()
{
    host_.Randomize();
    m.SprX = 300;
    m.SprY = 5400;
    m.SprDir = m.Ls1Dir = m.Ls2Dir = m.ChiDir = 3;
    f.SprFrame = 0;
    SetFxPos();
    for (int i = 0; i <= m.lastGhostSlot(); ++i) {
        GhoRec& g = m.GhoTab[i];
        g.X = static_cast<std::int16_t>(13 * f.CellSize);
        g.Y = static_cast<std::int16_t>(3 * f.CellSize);
        g.Dir = static_cast<std::int16_t>(randomDirection());
        g.Alive = true;
    }
}
