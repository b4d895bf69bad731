#include "GameProgram.h"
#include "GameWindow.h"

namespace {

// The credit lines under the closing words.
const char* const Credits[] = {
    "程式設計　Mibbet 製作小組",
    "美術與音樂　Mibbet 製作小組",
    "關卡設計　Tessaly 關卡編輯器",
    "感謝您的遊玩，歡迎再次挑戰！",
};

} // namespace

// Menus and toolbar off and the ending picture on its way up.
void GameWindow::freeze()
{
    vm.setEnabled(QStringLiteral("EndFm"), true);
    EndTimer->setEnabled(true);
    for (const char* menu : {"Game", "Win", "Coped", "Sco", "QA", "LinkWeb", "Tool"})
        vm.setEnabled(QString::fromLatin1(menu), false);
    for (const char* key : {"reset", "stop", "save", "load", "quit", "coped", "mess", "lada", "sco", "callme", "cop",
                            "halvern"})
        vm.setEnabled(QStringLiteral("Toolbar1.") + QLatin1String(key), false);
}

// The game is over: a move under way and the mouse steering stop where they
// are, so nothing is eaten behind the last boxes and the ending.
void GameWindow::stopWalking()
{
    MouseTimer->setEnabled(false);
    SprMovTimer->setEnabled(false);
}

void GameWindow::GameOver(bool afterTimeOut)
{
    stopWalking();
    host_.MsgBox(QStringLiteral("遊戲結束"), QStringLiteral("GameOver"));
    if (closed_)
        return;
    if (m.testGame()) { // no ending, no high scores: the test game closes
        program_.gameWindowClosed();
        return;
    }
    if (afterTimeOut)
        m.SprMoving = On;
    freeze();
    host_.StopMusic();
    m.Ls1On = m.Ls2On = m.ChiOn = Off;
    for (Timer* t : {ChiTimer.get(), LsTimer.get(), Timer1.get(), MvGhoTimer.get(), GifOneTimer.get(), GameTimer.get()})
        t->setEnabled(false);
}

void GameWindow::EndOfGame() { freeze(); }

// The ending picture rises 30 twips a tick until its top reaches the frame's.
void GameWindow::EndTimer_Timer()
{
    vm.setVisible(QStringLiteral("EndFm"), true);
    endImgTop_ -= 30;
    vm.setPosition(QStringLiteral("EndImg"), 0, endImgTop_);
    if (endImgTop_ == 0) {
        EndLblTimer->setEnabled(true);
        EndTimer->setEnabled(false);
    }
}

void GameWindow::showEndTexts()
{
    if (m.StageNo == 10) {
        vm.setText(QStringLiteral("EndLbl0"), QStringLiteral("全劇終束"));
        vm.setText(QStringLiteral("EndLbl1"), QStringLiteral("Thanks You For Players！"));
    } else if (m.StageNo != 0) {
        vm.setText(QStringLiteral("EndLbl0"), QStringLiteral("遊戲結束"));
        vm.setText(QStringLiteral("EndLbl1"), QStringLiteral("Game Over"));
        if (f.EndStep == 1)
            host_.PlayEffect(QStringLiteral("/wav/over.wav"));
    }
}

void GameWindow::EndLblTimer_Timer()
{
    showEndTexts();
    if (f.EndStep == 0) {
        vm.setVisible(QStringLiteral("EndLbl0"), true);
        f.EndStep = 1;
        EndLblTimer->setInterval(800);
    } else if (f.EndStep >= 1 && f.EndStep <= 5) {
        vm.setVisible(QStringLiteral("EndLbl") + QString::number(f.EndStep), true);
        ++f.EndStep;
    } else if (f.EndStep == 6) {
        f.EndStep = 7;
    } else if (f.EndStep == 7) {
        if (m.StageNo != 0)
            OfferScore(f.Score);
        EndLblTimer->setEnabled(false);
    }
}

// Design texts of the ending frame, set when the window is created.
void setEndingDesignTexts(ViewModel& vm)
{
    vm.setEnabled(QStringLiteral("EndFm"), false);
    vm.setPosition(QStringLiteral("EndImg"), 0, 6120);
    vm.setText(QStringLiteral("EndLbl0"), QStringLiteral("全劇終"));
    vm.setText(QStringLiteral("EndLbl1"), QStringLiteral("Thanks You For Players！"));
    for (int i = 0; i < 4; ++i)
        vm.setText(QStringLiteral("EndLbl") + QString::number(i + 2), QString::fromUtf8(Credits[i]));
    for (int i = 0; i < 6; ++i)
        vm.setVisible(QStringLiteral("EndLbl") + QString::number(i), false);
}
