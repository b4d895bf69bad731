#pragma once
#include <QString>

// Everything that leaves the game core: modal boxes, side windows, the random
// source and the program's folder. The windows implement it; tests script it.
class GameHost {
public:
    virtual ~GameHost() = default;

    // Modal message with the exclamation icon; returns when it is closed.
    virtual void MsgBox(const QString& text, const QString& title) = 0;
    // Modal message without icon, under the program's own name.
    virtual void MsgBoxPlain(const QString& text) = 0;
    // Modal Yes/No question; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& title) = 0;
    // Modal one-line input box with an empty field that takes at most
    // `maxLength` characters; empty when cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title, int maxLength = 32767) = 0;

    // Uniform in [0, 1); Randomize seeds the source from the clock.
    virtual double Rnd() = 0;
    virtual void Randomize() = 0;

    // The folder that holds the program and its map/, save/, wav/, bgm/ folders.
    virtual QString AppDir() const = 0;

    // Windows of the program. The help and radar windows are created when
    // shown and discarded when closed.
    virtual void ShowModeWindow() = 0;
    virtual void CloseModeWindow() = 0;
    virtual void ShowHelpWindow() = 0;
    virtual void CloseHelpWindow() = 0;
    virtual void ShowRadarWindow() = 0;
    virtual void CloseRadarWindow() = 0;
    virtual bool RadarWindowVisible() const = 0;
    virtual void CloseSideWindows() = 0;
    virtual void ShowGameWindow() = 0;
    virtual void CloseGameWindow() = 0;
    virtual bool GameWindowVisible() const = 0;
    virtual bool HelpWindowVisible() const = 0;
    // The high-score window reads the table when it is created.
    virtual void ShowHighScoreWindow() = 0;
    virtual void CloseHighScoreWindow() = 0;
    // No window is left: the program ends.
    virtual void Quit() = 0;
    // The keyboard goes to the board.
    virtual void FocusBoard() = 0;
    // The desktop's "open" for an address (mailto: or a web page); the
    // outcome is not checked.
    virtual void OpenAddress(const QString& url, bool maximized) = 0;

    // Sound. Files are given relative to the folder the game's sounds came
    // with, like "/wav/sm.wav".
    // One effect channel: a new effect cuts off the one playing.
    virtual void PlayEffect(const QString& file) = 0;
    // The music channel: stop, close, open the background tune, rewind, play.
    virtual void StartMusic() = 0;
    virtual void RewindMusic() = 0;   // back to the start and play
    virtual void StopMusic() = 0;     // the channel stays open
    virtual void CloseMusic() = 0;    // stop and close
    virtual bool MusicNotOpen() const = 0;
    virtual qint64 MusicPosition() const = 0; // ms
    virtual QString MusicFile() const = 0;    // full path
    virtual void SetMusicFile(const QString& path) = 0; // without opening
};
