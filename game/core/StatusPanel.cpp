#include "GameWindow.h"

void GameWindow::ShowMessage(const QString& text)
{
    vm.setText(QStringLiteral("Label14"), text);
    vm.setVisible(QStringLiteral("Label14"), true);
    f.LblCount = 0;
    LblTimer->setEnabled(true);
}

void GameWindow::ShowPanelMessage(const QString& first, const QString& second)
{
    vm.setText(QStringLiteral("Label1"), first + QLatin1Char('\r') + QLatin1Char('\r') + second);
}

void GameWindow::ShowPPCaption()
{
    vm.setText(QStringLiteral("Frame21"), QStringLiteral("PP值：%1 / %2").arg(f.PP).arg(f.PPMax));
}

// The status refresh, 20 times a second, never paused.
void GameWindow::CheckNowTimer_Timer()
{
    for (int level = 1; level <= 15; ++level) {
        if (m.Level == level && f.Score >= 1000 * level) {
            m.Level = static_cast<std::int16_t>(level + 1);
            ShowMessage(QStringLiteral("Level Up！"));
            break;
        }
    }
    vm.setText(QStringLiteral("LblScore"), QString::number(f.Score));
    vm.setText(QStringLiteral("Label12"), QString::number(m.Level));
    f.PPMax = static_cast<std::int16_t>(m.ppCeiling());
    vm.setWidth(QStringLiteral("Label15"), f.PPMax * 45);
    vm.setWidth(QStringLiteral("PPPic"), f.PP * 45);
    // The message label floats just above the player, centred on it.
    vm.setPosition(QStringLiteral("Label14"), m.SprX - 1042, m.SprY - 160);
    vm.setText(QStringLiteral("Label6"), QString::number(m.Lives - 1));
    vm.setText(QStringLiteral("Label19"), QString::number((29 - SprMovTimer->interval()) * 4) + QLatin1Char('%'));
    vm.setText(QStringLiteral("Label20"), m.practice() ? QStringLiteral("※") : QString::number(m.StageNo));
    if (SprMovTimer->interval() != m.playerStepPeriod())
        SprMovTimer->setInterval(m.playerStepPeriod());
    ShowPPCaption();
    if (f.GhoSlow == Off)
        MvGhoTimer->setInterval(m.ghostMovePeriod()); // an unchanged period keeps its countdown
    if (MouseTimer->interval() != m.mouseSteerPeriod())
        MouseTimer->setInterval(m.mouseSteerPeriod());
    vm.setChecked(QStringLiteral("Cop"), host_.HelpWindowVisible());
}

void GameWindow::LblTimer_Timer()
{
    if (f.LblCount < 3) {
        ++f.LblCount;
        return;
    }
    vm.setVisible(QStringLiteral("Label14"), false);
    vm.setText(QStringLiteral("Label14"), QString());
    LblTimer->setEnabled(false); // the next message counts from 0 again
}

// The clock item's slow-down, counted down once a second.
void GameWindow::GhoChkTimer_Timer()
{
    if (f.GhoSlowSec > 0) {
        --f.GhoSlowSec;
        vm.setText(QStringLiteral("Label8"), QString::number(f.GhoSlowSec));
    }
    if (f.GhoSlowSec == 0) {
        vm.setVisible(QStringLiteral("Label8"), false);
        vm.setVisible(QStringLiteral("Label9"), false);
        MvGhoTimer->setInterval(m.ghostMovePeriod());
        GhoChkTimer->setEnabled(false);
        f.GhoSlow = Off;
    }
}
