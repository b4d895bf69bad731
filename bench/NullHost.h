#pragma once
#include "GameHost.h"

#include <random>

// A host that answers every box at once (No, or an empty input), plays no
// sound and shows no window: the core alone, as fast as it runs.
struct NullHost : GameHost {
    void MsgBox(const QString&, const QString&) override {}
    void MsgBoxPlain(const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    QString InputBox(const QString&, const QString&, int) override { return {}; }
    double Rnd() override { return std::uniform_real_distribution<double>(0.0, 1.0)(rng); }
    std::mt19937 rng{12345};
    void Randomize() override {}
    QString AppDir() const override { return appDir; }
    QString appDir;
    void ShowModeWindow() override {}
    void CloseModeWindow() override {}
    void ShowHelpWindow() override {}
    void CloseHelpWindow() override {}
    void ShowRadarWindow() override {}
    void CloseRadarWindow() override {}
    bool RadarWindowVisible() const override { return true; }
    void FocusBoard() override {}
    void OpenAddress(const QString&, bool) override {}
    void CloseSideWindows() override {}
    void ShowGameWindow() override {}
    void CloseGameWindow() override {}
    bool GameWindowVisible() const override { return true; }
    bool HelpWindowVisible() const override { return true; }
    void ShowHighScoreWindow() override {}
    void CloseHighScoreWindow() override {}
    void Quit() override {}
    void PlayEffect(const QString&) override {}
    void StartMusic() override {}
    void RewindMusic() override {}
    void StopMusic() override {}
    void CloseMusic() override {}
    bool MusicNotOpen() const override { return false; }
    qint64 MusicPosition() const override { return 0; }
    QString MusicFile() const override { return {}; }
    void SetMusicFile(const QString&) override {}
};
