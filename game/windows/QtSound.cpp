#include "QtSound.h"

#include <QAudioOutput>
#include <QDir>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

QtSound::QtSound(QString appDir) : appDir_(std::move(appDir)) {}

QtSound::~QtSound() { qDeleteAll(effects_); }

void QtSound::playEffect(const QString& file)
{
    if (current_)
        current_->stop(); // one effect channel: the new sound cuts off the old
    QSoundEffect*& effect = effects_[file];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(appDir_ + file));
        effect->setVolume(0.8f);
    }
    current_ = effect;
    effect->play();
}

void QtSound::ensureMusic()
{
    if (music_)
        return;
    musicOutput_ = std::make_unique<QAudioOutput>();
    musicOutput_->setVolume(0.6f);
    music_ = std::make_unique<QMediaPlayer>();
    music_->setAudioOutput(musicOutput_.get());
}

void QtSound::startMusic()
{
    ensureMusic();
    music_->stop();
    musicFile_ = QDir::toNativeSeparators(appDir_ + QStringLiteral("/bgm/bgm5.mp3"));
    music_->setSource(QUrl::fromLocalFile(appDir_ + QStringLiteral("/bgm/bgm5.mp3")));
    musicOpen_ = true;
    music_->setPosition(0);
    music_->play();
}

void QtSound::rewindMusic()
{
    if (!music_ || !musicOpen_)
        return;
    music_->setPosition(0);
    music_->play();
}

void QtSound::stopMusic()
{
    if (music_)
        music_->stop();
}

void QtSound::closeMusic()
{
    if (music_) {
        music_->stop();
        music_->setSource(QUrl());
    }
    musicOpen_ = false;
}

bool QtSound::musicNotOpen() const { return !musicOpen_; }

qint64 QtSound::musicPosition() const { return music_ && musicOpen_ ? music_->position() : 0; }

bool QtSound::effectPlaying(const QString& file) const
{
    const QSoundEffect* effect = effects_.value(file);
    return effect && effect->isPlaying();
}
