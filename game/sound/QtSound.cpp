#include "QtSound.h"

#include "MusicChannel.h"

#include <QDir>
#include <QSoundEffect>
#include <QUrl>

QtSound::QtSound(QString appDir) : appDir_(std::move(appDir)) {}

QtSound::~QtSound() { qDeleteAll(effects_); }

void QtSound::playEffect(const QString& file)
{
    if (!effectsOn_)
        return;
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

void QtSound::startMusic()
{
    if (!music_)
        music_ = std::make_unique<MusicChannel>(0.6f);
    music_->setMuted(!musicOn_);
    const QString path = appDir_ + QStringLiteral("/bgm/bgm5.mp3");
    musicFile_ = QDir::toNativeSeparators(path);
    music_->open(path);
    musicOpen_ = true;
    music_->playFromStart();
}

void QtSound::rewindMusic()
{
    if (!music_ || !musicOpen_)
        return;
    music_->playFromStart();
}

void QtSound::stopMusic()
{
    if (music_)
        music_->stop();
}

void QtSound::closeMusic()
{
    if (music_)
        music_->close();
    musicOpen_ = false;
}

bool QtSound::musicNotOpen() const { return !musicOpen_; }

qint64 QtSound::musicPosition() const { return music_ && musicOpen_ ? music_->positionMs() : 0; }

bool QtSound::effectPlaying(const QString& file) const
{
    const QSoundEffect* effect = effects_.value(file);
    return effect && effect->isPlaying();
}

void QtSound::setEffectsOn(bool on)
{
    effectsOn_ = on;
    if (!on && current_)
        current_->stop();
}

void QtSound::setMusicOn(bool on)
{
    musicOn_ = on;
    if (music_)
        music_->setMuted(!on);
}

bool QtSound::musicAudible() const { return music_ && music_->audible(); }
qint64 QtSound::musicPlayedFromMs() const { return music_ ? music_->playedFromMs() : 0; }
