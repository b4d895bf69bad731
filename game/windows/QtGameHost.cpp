#include "QtGameHost.h"

#include "AppLook.h"

#include "GameProgram.h"
#include "GameWindowWidget.h"
#include "ModeWindow.h"
#include "SideWindows.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QUrl>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

// The side windows go with the host; the radar reads the program's board.
QtGameHost::~QtGameHost()
{
    delete radar_.data();
    delete help_.data();
    delete highScores_.data();
}

QWidget* QtGameHost::dialogParent() const
{
    if (game_)
        return game_;
    return mode_;
}

void QtGameHost::showMessage(QMessageBox::Icon icon, const QString& text, const QString& title)
{
    QMessageBox box(icon, title, QString(), QMessageBox::Ok, dialogParent());
    applook::setBoxText(box, text);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("確定"));
    box.exec();
    syncWindows();
}

void QtGameHost::MsgBox(const QString& text, const QString& title) { showMessage(QMessageBox::Warning, text, title); }

void QtGameHost::MsgBoxPlain(const QString& text)
{
    showMessage(QMessageBox::NoIcon, text, QGuiApplication::applicationDisplayName());
}

bool QtGameHost::AskYesNo(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, QString(), QMessageBox::Yes | QMessageBox::No, dialogParent());
    applook::setBoxText(box, text);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    const bool yes = box.exec() == QMessageBox::Yes;
    syncWindows();
    return yes;
}

QString QtGameHost::InputBox(const QString& prompt, const QString& title, int maxLength)
{
    QInputDialog box(dialogParent());
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setOkButtonText(QStringLiteral("確定"));
    box.setCancelButtonText(QStringLiteral("取消"));
    if (auto* field = box.findChild<QLineEdit*>())
        field->setMaxLength(maxLength);
    const bool ok = box.exec() == QDialog::Accepted;
    syncWindows();
    return ok ? box.textValue() : QString();
}

double QtGameHost::Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

void QtGameHost::Randomize() { rng_.seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch())); }

QString QtGameHost::AppDir() const { return appDir_.isEmpty() ? QCoreApplication::applicationDirPath() : appDir_; }

void QtGameHost::ShowModeWindow()
{
    if (!mode_)
        mode_ = new ModeWindow(*program_);
    mode_->sync();
    mode_->show();
    mode_->raise();
}

void QtGameHost::CloseModeWindow()
{
    if (mode_)
        mode_->closeForGame();
    mode_ = nullptr;
}

void QtGameHost::ShowHelpWindow()
{
    if (!help_) {
        help_ = new HelpWindow;
        placeSideWindow(help_, 1);
    }
    help_->show();
}

void QtGameHost::CloseHelpWindow()
{
    if (help_)
        help_->close();
}

void QtGameHost::ShowRadarWindow()
{
    if (!radar_) {
        radar_ = new RadarWindow(*program_);
        placeSideWindow(radar_, 0);
    }
    radar_->show();
}

void QtGameHost::CloseRadarWindow()
{
    if (radar_)
        radar_->close();
}

bool QtGameHost::RadarWindowVisible() const { return radar_ && radar_->isVisible(); }

void QtGameHost::CloseSideWindows()
{
    CloseHelpWindow();
    CloseRadarWindow();
    CloseHighScoreWindow();
}

// Over the middle of the game window, which stays locked while it shows. A
// table already open (from the menu during the game that just ended) shows
// the file as it is now, with the new entry.
void QtGameHost::ShowHighScoreWindow()
{
    if (highScores_) {
        highScores_->reread();
    } else {
        highScores_ = new HighScoreWindow(*program_);
        if (game_)
            highScores_->move(game_->frameGeometry().center() - highScores_->rect().center());
    }
    syncWindows();
    highScores_->show();
    highScores_->raise();
    highScores_->activateWindow();
}

void QtGameHost::CloseHighScoreWindow()
{
    if (highScores_)
        highScores_->closeForProgram();
}

void QtGameHost::ShowGameWindow()
{
    if (!game_ && program_->game())
        game_ = new GameWindowWidget(*program_, *program_->game());
    if (!game_)
        return;
    game_->sync(); // unlocked by the high-score window, for one
    game_->show();
    placeSideWindow(radar_, 0);
    placeSideWindow(help_, 1);
}

// The help and radar windows stand to the right of the game window, the radar
// on top and the help window below its place, as far as the screen allows. A
// window shown again goes back to its own place.
void QtGameHost::placeSideWindow(QWidget* w, int slot)
{
    if (!game_ || !w)
        return;
    const QRect frame = game_->frameGeometry();
    const int decoration = frame.height() - game_->height(); // title bar and borders
    const QRect screen = game_->screen() ? game_->screen()->availableGeometry() : QRect();
    const int x = frame.right() + 8;
    const int y = frame.top() + slot * (RadarWindow::FixedHeight + decoration + 8);
    const int left = screen.isValid() ? std::min(x, screen.right() - w->width()) : x;
    w->move(std::max(left, 0), y);
}

void QtGameHost::CloseGameWindow()
{
    GameWindowWidget* w = game_;
    game_ = nullptr;
    if (w)
        w->closeForProgram();
}

bool QtGameHost::GameWindowVisible() const { return game_ && game_->isVisible(); }

bool QtGameHost::HelpWindowVisible() const { return help_ && help_->isVisible(); }

QtSound& QtGameHost::sound()
{
    if (!sound_)
        sound_ = std::make_unique<QtSound>(soundDir_.isEmpty() ? AppDir() : soundDir_);
    return *sound_;
}

void QtGameHost::Quit() { QCoreApplication::quit(); }

void QtGameHost::FocusBoard()
{
    if (game_)
        game_->focusBoard();
}

// The desktop decides how its mail program or browser opens; nothing is shown
// when it cannot.
void QtGameHost::OpenAddress(const QString& url, bool)
{
    QDesktopServices::openUrl(QUrl(url));
}

void QtGameHost::syncWindows()
{
    if (game_)
        game_->sync();
    if (mode_)
        mode_->sync();
}
