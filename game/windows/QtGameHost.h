#pragma once
#include "GameHost.h"
#include "GameWindowWidget.h"
#include "ModeWindow.h"
#include "SideWindows.h"

#include <QPointer>

#include <random>

class GameProgram;

// The game's host on real windows: message boxes, the program's windows and
// the random source.
class QtGameHost : public GameHost {
public:
    void setProgram(GameProgram* program) { program_ = program; }
    // Where map/, save/, wav/ and bgm/ are looked for; the program's own folder by default.
    void setAppDir(const QString& dir) { appDir_ = dir; }

    void MsgBox(const QString& text, const QString& title) override;
    bool AskYesNo(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title) override;
    double Rnd() override;
    void Randomize() override;
    QString AppDir() const override;

    void ShowModeWindow() override;
    void CloseModeWindow() override;
    void ShowHelpWindow() override;
    void ShowRadarWindow() override;
    void CloseSideWindows() override;
    void ShowGameWindow() override;
    void CloseGameWindow() override;
    bool GameWindowVisible() const override;
    void Quit() override;

    ModeWindow* modeWindow() const { return mode_; }
    GameWindowWidget* gameWindow() const { return game_; }
    HelpWindow* helpWindow() const { return help_; }
    RadarWindow* radarWindow() const { return radar_; }
    // Brings every open window in line with the core.
    void syncWindows();

private:
    QWidget* dialogParent() const;
    void placeSideWindows();

    GameProgram* program_ = nullptr;
    QString appDir_;
    QPointer<ModeWindow> mode_;
    QPointer<GameWindowWidget> game_;
    QPointer<HelpWindow> help_;
    QPointer<RadarWindow> radar_;
    std::mt19937 rng_{std::random_device{}()};
};
