#include "QtGameHost.h"

#include "AppLook.h"
#include "PlayerSettings.h"
#include "WindowPlacement.h"
#include "WindowScale.h"

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

QtGameHost::QtGameHost()
{
    gamePlacer_.movedByPlayer = [this](QWidget* w, QPoint from) { gameWindowMoved(w, from); };
    rememberSoon_.setSingleShot(true);
    rememberSoon_.setInterval(500);
    QObject::connect(&rememberSoon_, &QTimer::timeout, [this] { rememberGameWindow(); });
}

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

void QtGameHost::setSettings(PlayerSettings* settings)
{
    settings_ = settings;
    effectsOn_ = settings->soundEffects();
    musicOn_ = settings->music();
}

void QtGameHost::setEffectsOn(bool on)
{
    effectsOn_ = on;
    if (sound_)
        sound_->setEffectsOn(on);
    if (settings_)
        settings_->setSoundEffects(on);
}

void QtGameHost::setMusicOn(bool on)
{
    musicOn_ = on;
    if (sound_)
        sound_->setMusicOn(on);
    if (settings_)
        settings_->setMusic(on);
}

// Centred on the screen that holds the pointer.
void QtGameHost::ShowModeWindow()
{
    if (!mode_) {
        mode_ = new ModeWindow(*program_);
        modePlacer_.centre(mode_);
    }
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

// A side window asked for before the game window opens with it; one shown
// again goes back to its place beside the game window.
void QtGameHost::ShowHelpWindow()
{
    helpWanted_ = !game_;
    if (!game_ || (help_ && help_->isVisible()))
        return;
    if (aside_.removeAll(QPointer<QWidget>(help_.data()))) {
        help_->show();
        return;
    }
    help_ = new HelpWindow(game_); // one closed before is on its way out
    help_->setFactor(game_->factor());
    arrangeGameWindows(true);
    help_->show();
}

void QtGameHost::CloseHelpWindow()
{
    helpWanted_ = false;
    if (help_) {
        aside_.removeAll(QPointer<QWidget>(help_.data()));
        help_->close();
    }
}

void QtGameHost::ShowRadarWindow()
{
    radarWanted_ = !game_;
    if (!game_ || (radar_ && radar_->isVisible()))
        return;
    if (aside_.removeAll(QPointer<QWidget>(radar_.data()))) {
        radar_->show();
        return;
    }
    radar_ = new RadarWindow(*program_, game_);
    radar_->setFactor(game_->factor());
    arrangeGameWindows(true);
    radar_->show();
}

void QtGameHost::CloseRadarWindow()
{
    radarWanted_ = false;
    if (radar_) {
        aside_.removeAll(QPointer<QWidget>(radar_.data()));
        radar_->close();
    }
}

bool QtGameHost::RadarWindowVisible() const { return radarWanted_ || (radar_ && radar_->isVisible()); }

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
    const bool opening = !game_;
    if (!game_ && program_->game()) {
        game_ = new GameWindowWidget(*program_, *program_->game());
        game_->setSoundSwitches(effectsOn_, musicOn_);
        game_->onEffectsSwitched = [this](bool on) { setEffectsOn(on); };
        game_->onMusicSwitched = [this](bool on) { setMusicOn(on); };
        if (radarWanted_)
            radar_ = new RadarWindow(*program_, game_);
        if (helpWanted_)
            help_ = new HelpWindow(game_);
        radarWanted_ = helpWanted_ = false;
        game_->onFactorChosen = [this](int factor) {
            if (settings_)
                settings_->setGameFactor(factor);
        };
        game_->onFactorDrawn = [this](int factor) { sideWindowsFollow(factor); };
        game_->onWindowStateChanged = [this] { sideWindowsStepAside(); };
        const int factor = startFactor();
        game_->setFactor(factor);
        sideWindowsFollow(factor);
        arrangeGameWindows(false);
    }
    if (!game_)
        return;
    game_->sync(); // unlocked by the high-score window, for one
    game_->show();
    for (QWidget* side : {static_cast<QWidget*>(radar_), static_cast<QWidget*>(help_)})
        if (side && !side->isVisible() && !aside_.contains(side))
            side->show();
    if (opening)
        game_->activateWindow(); // the board takes the keyboard, not a side window
}

// The game window on the left, the radar at its right edge and the help
// window under the radar, as one group on the screen: where the player last
// left the game window, or centred on the screen that holds the pointer. With
// `gameStays` the game window keeps its place and a side window shown again
// goes back beside it.
void QtGameHost::arrangeGameWindows(bool gameStays)
{
    QRect area;
    std::optional<QPoint> gameAt;
    if (gameStays) {
        area = game_->screen() ? game_->screen()->availableGeometry() : QRect();
        gameAt = game_->frameGeometry().topLeft();
    } else if (const auto place = settings_ ? settings_->gameWindow() : std::nullopt) {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == place->screen) {
                area = screen->availableGeometry();
                gameAt = area.topLeft() + place->offset;
            }
    }
    if (!area.isValid())
        area = WindowPlacer::pointerScreenArea();
    const QList<QPointer<QWidget>> windows{game_.data(), radar_.data(), help_.data()};
    gamePlacer_.place({windows[0], windows[1], windows[2]}, [=](const QList<QMargins>& frames) {
        const auto window = [&](int i) { return placement::Window{windows[i] ? windows[i]->size() : QSize(), frames.value(i)}; };
        const placement::Group g = placement::arrange(area, window(0), window(1), window(2), gameAt, gameStays);
        return QList<QRect>{g.game, g.radar, g.help};
    });
}

// The size the player last picked, as far as the screen still holds it; at
// the very first start, the largest at which the game window and its side
// windows stand side by side on the screen.
int QtGameHost::startFactor() const
{
    const QRect area = WindowPlacer::pointerScreenArea();
    const QMargins frame = WindowPlacer::frameOf(game_);
    const QSize content = game_->centralWidget()->sizeHint(); // what grows
    const QSize chrome = game_->sizeAt(1) - content;             // the menus and toolbar do not
    QSize side;
    for (QWidget* w : {static_cast<QWidget*>(radar_), static_cast<QWidget*>(help_)})
        if (w)
            side = QSize(std::max(side.width(), w->width()),
                         side.height() + (side.isEmpty() ? 0 : placement::Gap) + w->size().grownBy(frame).height());
    const QSize fixed = chrome.grownBy(frame) + QSize(side.isEmpty() ? 0 : placement::Gap + frame.left() + frame.right(), 0);
    const int fits = scaling::firstFactor(area.size(), fixed, content, side, game_->devicePixelRatioF());
    if (const auto picked = settings_ ? settings_->gameFactor() : std::nullopt)
        return std::min(*picked, scaling::fittingFactor(area.size() - chrome.grownBy(frame), content,
                                                        game_->devicePixelRatioF()));
    return fits;
}

// The side windows take the game window's factor, and stand beside it again
// unless it fills the screen.
void QtGameHost::sideWindowsFollow(int factor)
{
    if (radar_)
        radar_->setFactor(factor);
    if (help_)
        help_->setFactor(factor);
    if (game_->isVisible() && !(game_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        arrangeGameWindows(true);
}

// A game filling the screen has it to itself: the side windows, which would
// lie over the board, step aside and come back beside it afterwards. Their
// toolbar buttons stay pressed; a press meanwhile shows the window over the
// game, as asked.
void QtGameHost::sideWindowsStepAside()
{
    if (game_->isFullScreen()) {
        for (QWidget* side : {static_cast<QWidget*>(radar_), static_cast<QWidget*>(help_)})
            if (side && side->isVisible()) {
                side->hide();
                aside_.append(side);
            }
    } else if (!aside_.isEmpty()) {
        for (const QPointer<QWidget>& side : std::exchange(aside_, {}))
            if (side)
                side->show();
        arrangeGameWindows(true);
    }
}

// The side windows keep their places beside a game window the player moves.
void QtGameHost::gameWindowMoved(QWidget* w, QPoint from)
{
    if (w != game_)
        return;
    const QPoint delta = w->geometry().topLeft() - from;
    for (QWidget* side : {static_cast<QWidget*>(radar_), static_cast<QWidget*>(help_)})
        if (side)
            gamePlacer_.moveBy(side, delta);
    rememberSoon_.start();
}

void QtGameHost::rememberGameWindow()
{
    if (!settings_ || !game_ || !game_->screen())
        return;
    const QScreen* screen = game_->screen();
    settings_->setGameWindow({screen->name(), game_->frameGeometry().topLeft() - screen->availableGeometry().topLeft()});
}

void QtGameHost::CloseGameWindow()
{
    GameWindowWidget* w = game_;
    game_ = nullptr;
    if (w)
        w->closeForProgram();
}

bool QtGameHost::GameWindowVisible() const { return game_ && game_->isVisible(); }

bool QtGameHost::HelpWindowVisible() const { return helpWanted_ || (help_ && help_->isVisible()); }

SoundChannels& QtGameHost::sound()
{
    if (!sound_) {
        const QStringList modules = soundModuleDirs_.isEmpty()
            ? soundModuleDirs(QCoreApplication::applicationDirPath()) : soundModuleDirs_;
        sound_ = loadSoundChannels(soundDir_.isEmpty() ? AppDir() : soundDir_, modules);
        sound_->setEffectsOn(effectsOn_);
        sound_->setMusicOn(musicOn_);
    }
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
