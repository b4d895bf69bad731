#pragma once
#include "GameHost.h"
#include "SimClock.h"
#include "ViewModel.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <functional>

// A scripted host: records what the core asks of it, answers from a script,
// and lets simulated time pass while a modal box is "on screen".
class TestHost : public GameHost {
public:
    explicit TestHost(SimClock& clock) : clock_(clock)
    {
        ViewModel::onUndeclared = [](const QString& name) {
            ADD_FAILURE() << "no control is named " << name.toStdString();
        };
    }

    struct Box {
        QString text, title;
        bool plain = false; // no icon, the program's own title
    };
    std::vector<Box> boxes;     // every message box shown, in order
    QStringList log;            // window operations and random draws, in order
    std::deque<double> rnd;     // scripted draws, then a seeded generator
    std::deque<bool> answers;   // Yes/No answers; No when exhausted
    std::int64_t boxMs = 0;     // simulated time a box stays up
    std::function<void()> whileBoxUp;
    QString appDir = QStringLiteral("/nonexistent");

    bool modeWindowOpen = false, helpOpen = false, radarOpen = false, gameOpen = false, quit = false,
         highScoresOpen = false;

    void MsgBox(const QString& text, const QString& title) override
    {
        boxes.push_back({text, title});
        log << QStringLiteral("MsgBox");
        up();
    }
    void MsgBoxPlain(const QString& text) override
    {
        boxes.push_back({text, QString(), true});
        log << QStringLiteral("MsgBox");
        up();
    }
    bool AskYesNo(const QString& text, const QString& title) override
    {
        boxes.push_back({text, title});
        log << QStringLiteral("AskYesNo");
        up();
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<QString> inputs; // input box answers; empty (cancel) when exhausted
    QString InputBox(const QString& prompt, const QString& title, int) override
    {
        boxes.push_back({prompt, title});
        log << QStringLiteral("InputBox");
        up();
        if (inputs.empty())
            return {};
        const QString a = inputs.front();
        inputs.pop_front();
        return a;
    }
    double Rnd() override
    {
        log << QStringLiteral("Rnd");
        if (rnd.empty())
            return std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
        const double v = rnd.front();
        rnd.pop_front();
        return v;
    }
    void Randomize() override { log << QStringLiteral("Randomize"); }
    QString AppDir() const override { return appDir; }

    void ShowModeWindow() override { modeWindowOpen = true; log << QStringLiteral("ShowModeWindow"); }
    void CloseModeWindow() override { modeWindowOpen = false; log << QStringLiteral("CloseModeWindow"); }
    void ShowHelpWindow() override { helpOpen = true; log << QStringLiteral("ShowHelpWindow"); }
    void CloseHelpWindow() override { helpOpen = false; log << QStringLiteral("CloseHelpWindow"); }
    void ShowRadarWindow() override { radarOpen = true; log << QStringLiteral("ShowRadarWindow"); }
    void CloseRadarWindow() override { radarOpen = false; log << QStringLiteral("CloseRadarWindow"); }
    bool RadarWindowVisible() const override { return radarOpen; }
    void CloseSideWindows() override
    {
        helpOpen = radarOpen = highScoresOpen = false;
        log << QStringLiteral("CloseSideWindows");
    }
    void ShowGameWindow() override { gameOpen = true; log << QStringLiteral("ShowGameWindow"); }
    void CloseGameWindow() override { gameOpen = false; log << QStringLiteral("CloseGameWindow"); }
    bool GameWindowVisible() const override { return gameOpen; }
    bool HelpWindowVisible() const override { return helpOpen; }
    void ShowHighScoreWindow() override
    {
        highScoresOpen = true;
        log << QStringLiteral("ShowHighScoreWindow");
    }
    void CloseHighScoreWindow() override
    {
        highScoresOpen = false;
        log << QStringLiteral("CloseHighScoreWindow");
    }
    void Quit() override { quit = true; log << QStringLiteral("Quit"); }
    int boardFocused = 0;
    void FocusBoard() override { ++boardFocused; }
    QStringList opened; // addresses handed to the desktop, "max " before a maximised one
    void OpenAddress(const QString& url, bool maximized) override
    {
        opened << (maximized ? QStringLiteral("max ") : QString()) + url;
    }

    // A recording sound device whose music plays along the simulated clock.
    QStringList sound;
    bool musicOpen = false, musicPlaying = false;
    std::int64_t musicStartedAt = 0, musicStoppedAt = 0;
    QString musicFile;
    void PlayEffect(const QString& file) override { sound << QStringLiteral("effect ") + file; }
    void StartMusic() override
    {
        sound << QStringLiteral("StartMusic");
        musicOpen = musicPlaying = true;
        musicStartedAt = clock_.now();
        musicFile = appDir + QStringLiteral("/bgm/bgm5.mp3");
    }
    void RewindMusic() override
    {
        sound << QStringLiteral("RewindMusic");
        musicPlaying = true;
        musicStartedAt = clock_.now();
    }
    void StopMusic() override
    {
        sound << QStringLiteral("StopMusic");
        if (musicPlaying)
            musicStoppedAt = clock_.now();
        musicPlaying = false;
    }
    void CloseMusic() override
    {
        sound << QStringLiteral("CloseMusic");
        musicOpen = musicPlaying = false;
    }
    bool MusicNotOpen() const override { return !musicOpen; }
    qint64 MusicPosition() const override
    {
        if (!musicOpen)
            return 0;
        return (musicPlaying ? clock_.now() : musicStoppedAt) - musicStartedAt;
    }
    QString MusicFile() const override { return musicFile; }
    void SetMusicFile(const QString& path) override { musicFile = path; }

private:
    void up()
    {
        if (whileBoxUp)
            whileBoxUp();
        clock_.advance(boxMs);
    }
    SimClock& clock_;
    std::mt19937 rng_{20261209};
};
