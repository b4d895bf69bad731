#pragma once
#include <QHash>
#include <QString>

#include <memory>

class MusicChannel;
class QSoundEffect;

// The two sound channels on Qt Multimedia. Nothing is created before the
// first sound is asked for; a missing file or sound device just stays quiet.
class QtSound {
public:
    explicit QtSound(QString appDir);
    ~QtSound();

    void playEffect(const QString& file);
    void startMusic();
    void rewindMusic();
    void stopMusic();
    void closeMusic();
    bool musicNotOpen() const;
    qint64 musicPosition() const;
    QString musicFile() const { return musicFile_; }
    void setMusicFile(const QString& path) { musicFile_ = path; }

    // The player's switches: off, that sound stops at once and stays off;
    // the tune switched on again comes back where it would be.
    void setEffectsOn(bool on);
    void setMusicOn(bool on);

    // For tests: whether the effect of this file is playing now, and
    // whether the tune is being heard.
    bool musicAudible() const;
    qint64 musicPlayedFromMs() const;
    bool effectPlaying(const QString& file) const;

private:
    QString appDir_;
    QString musicFile_;
    bool musicOpen_ = false;
    bool effectsOn_ = true;
    bool musicOn_ = true;
    std::unique_ptr<MusicChannel> music_;
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};
