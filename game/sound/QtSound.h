#pragma once
#include "SoundChannels.h"

#include <QHash>
#include <QString>

#include <memory>

class MusicChannel;
class QSoundEffect;

// The two sound channels on Qt Multimedia. Nothing is created before the
// first sound is asked for; a missing file or sound device just stays quiet.
class QtSound : public SoundChannels {
public:
    explicit QtSound(QString appDir);
    ~QtSound() override;

    void playEffect(const QString& file) override;
    void startMusic() override;
    void rewindMusic() override;
    void stopMusic() override;
    void closeMusic() override;
    bool musicNotOpen() const override;
    qint64 musicPosition() const override;
    QString musicFile() const override { return musicFile_; }
    void setMusicFile(const QString& path) override { musicFile_ = path; }
    void setEffectsOn(bool on) override;
    void setMusicOn(bool on) override;
    bool musicAudible() const override;
    qint64 musicPlayedFromMs() const override;
    bool effectPlaying(const QString& file) const override;

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
