#pragma once
#include <QString>
#include <QtGlobal>

// The game's two sound channels, one effect at a time and the tune. The
// real ones live in the sound module, loaded at the first sound so that a
// start does not wait for the sound libraries; without the module the game
// stays quiet.
class SoundChannels {
public:
    virtual ~SoundChannels() = default;

    virtual void playEffect(const QString& file) = 0;
    virtual void startMusic() = 0;
    virtual void rewindMusic() = 0;
    virtual void stopMusic() = 0;
    virtual void closeMusic() = 0;
    virtual bool musicNotOpen() const = 0;
    virtual qint64 musicPosition() const = 0;
    virtual QString musicFile() const = 0;
    virtual void setMusicFile(const QString& path) = 0;

    // The player's switches: off, that sound stops at once and stays off;
    // the tune switched on again comes back where it would be.
    virtual void setEffectsOn(bool on) = 0;
    virtual void setMusicOn(bool on) = 0;

    // For tests: whether the tune is being heard, from which point it last
    // started, and whether the effect of this file is playing now.
    virtual bool musicAudible() const = 0;
    virtual qint64 musicPlayedFromMs() const = 0;
    virtual bool effectPlaying(const QString& file) const = 0;
};

// The module's one entry point: the channels for the sounds below `soundDir`.
using MakeSoundChannels = SoundChannels* (*)(const QString& soundDir);
#define MIBBET_SOUND_ENTRY "mibbetSoundChannels"
