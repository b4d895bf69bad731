#include "SoundLoader.h"

#include <QDir>
#include <QLibrary>

namespace {

// Where the module is missing: nothing is heard and the tune never opens.
class QuietChannels : public SoundChannels {
public:
    void playEffect(const QString&) override {}
    void startMusic() override {}
    void rewindMusic() override {}
    void stopMusic() override {}
    void closeMusic() override {}
    bool musicNotOpen() const override { return true; }
    qint64 musicPosition() const override { return 0; }
    QString musicFile() const override { return file_; }
    void setMusicFile(const QString& path) override { file_ = path; }
    void setEffectsOn(bool) override {}
    void setMusicOn(bool) override {}
    bool musicAudible() const override { return false; }
    qint64 musicPlayedFromMs() const override { return 0; }
    bool effectPlaying(const QString&) const override { return false; }

private:
    QString file_;
};

} // namespace

QStringList soundModuleDirs(const QString& programDir)
{
    return {programDir, QDir::cleanPath(programDir + QStringLiteral("/" MIBBET_MODULES_FROM_PROGRAM))};
}

std::unique_ptr<SoundChannels> loadSoundChannels(const QString& soundDir, const QStringList& moduleDirs)
{
    for (const QString& dir : moduleDirs) {
        // Never unloaded: the sound threads run until the program ends.
        QLibrary module(dir + QStringLiteral("/mibbet-sound"));
        if (auto make = reinterpret_cast<MakeSoundChannels>(module.resolve(MIBBET_SOUND_ENTRY)))
            return std::unique_ptr<SoundChannels>(make(soundDir));
    }
    return std::make_unique<QuietChannels>();
}
