#pragma once
#include "GameHost.h"
#include "SoundLoader.h"
#include "GameWindowWidget.h"
#include "ModeWindow.h"
#include "HighScoreWindow.h"
#include "SideWindows.h"
#include "WindowPlacer.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <random>

class GameProgram;
class PlayerSettings;

// The game's host on real windows: message boxes, the program's windows and
// the random source.
class QtGameHost : public GameHost {
public:
    QtGameHost();
    ~QtGameHost() override;
    void setProgram(GameProgram* program) { program_ = program; }
    // Where map/ and save/ are looked for; the program's own folder by default.
    void setAppDir(const QString& dir) { appDir_ = dir; }
    // Where wav/ and bgm/ are; the folder of map/ and save/ by default.
    void setSoundDir(const QString& dir) { soundDir_ = dir; }
    // Where the sound module is looked for; beside the program or where the
    // package installs it by default.
    void setSoundModuleDirs(const QStringList& dirs) { soundModuleDirs_ = dirs; }
    // Where the player's sound switches and the game window's place are
    // kept; without it they hold for this run only.
    void setSettings(PlayerSettings* settings);
    void setEffectsOn(bool on);
    void setMusicOn(bool on);

    void MsgBox(const QString& text, const QString& title) override;
    void MsgBoxPlain(const QString& text) override;
    bool AskYesNo(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, int maxLength) override;
    double Rnd() override;
    void Randomize() override;
    QString AppDir() const override;

    void ShowModeWindow() override;
    void CloseModeWindow() override;
    void ShowHelpWindow() override;
    void CloseHelpWindow() override;
    void ShowRadarWindow() override;
    void CloseRadarWindow() override;
    bool RadarWindowVisible() const override;
    void CloseSideWindows() override;
    void ShowGameWindow() override;
    void CloseGameWindow() override;
    bool GameWindowVisible() const override;
    bool HelpWindowVisible() const override;
    void Quit() override;
    void FocusBoard() override;
    void OpenAddress(const QString& url, bool maximized) override;
    void ShowHighScoreWindow() override;
    void CloseHighScoreWindow() override;

    void PlayEffect(const QString& file) override { sound().playEffect(file); }
    void StartMusic() override { sound().startMusic(); }
    void RewindMusic() override { sound().rewindMusic(); }
    void StopMusic() override { sound().stopMusic(); }
    void CloseMusic() override { sound().closeMusic(); }
    bool MusicNotOpen() const override { return !sound_ || sound_->musicNotOpen(); }
    qint64 MusicPosition() const override { return sound_ ? sound_->musicPosition() : 0; }
    QString MusicFile() const override { return sound_ ? sound_->musicFile() : QString(); }
    void SetMusicFile(const QString& path) override { sound().setMusicFile(path); }
    // Created when the game first needs it, not at start-up.
    SoundChannels& sound();

    ModeWindow* modeWindow() const { return mode_; }
    GameWindowWidget* gameWindow() const { return game_; }
    HelpWindow* helpWindow() const { return help_; }
    RadarWindow* radarWindow() const { return radar_; }
    HighScoreWindow* highScoreWindow() const { return highScores_; }
    // Brings every open window in line with the core.
    void syncWindows();

private:
    QWidget* dialogParent() const;
    void showMessage(QMessageBox::Icon icon, const QString& text, const QString& title);
    void arrangeGameWindows(bool gameStays);
    int startFactor() const;
    void sideWindowsFollow(int factor);
    void sideWindowsStepAside();
    void gameWindowMoved(QWidget* w, QPoint from);
    void rememberGameWindow();

    GameProgram* program_ = nullptr;
    QString appDir_, soundDir_;
    PlayerSettings* settings_ = nullptr;
    bool effectsOn_ = true, musicOn_ = true;
    QStringList soundModuleDirs_;
    std::unique_ptr<SoundChannels> sound_;
    // The side windows are asked for before the game window exists; they
    // open with it, as its tool windows.
    bool radarWanted_ = false, helpWanted_ = false;
    WindowPlacer modePlacer_, gamePlacer_;
    QTimer rememberSoon_; // a dragged window sends many moves: keep the last
    QPointer<ModeWindow> mode_;
    QPointer<GameWindowWidget> game_;
    QPointer<HelpWindow> help_;
    QPointer<RadarWindow> radar_;
    QList<QPointer<QWidget>> aside_; // hidden while the game fills the screen
    QPointer<HighScoreWindow> highScores_;
    std::mt19937 rng_{std::random_device{}()};
};
