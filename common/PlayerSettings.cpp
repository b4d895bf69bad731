#include "PlayerSettings.h"

#include <QSettings>

#include <cstdlib>

namespace {

constexpr const char* Effects = "sound/effects";
constexpr const char* Music = "sound/music";
constexpr const char* Screen = "gameWindow/screen";
constexpr const char* Left = "gameWindow/left";
constexpr const char* Top = "gameWindow/top";
constexpr const char* Factor = "gameWindow/factor";

// No screen is larger than this: a farther offset was not written by us.
constexpr int FarthestOffset = 100000;

} // namespace

PlayerSettings::PlayerSettings(const QString& path)
    : file_(path.isEmpty() ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                         QStringLiteral("mibbet"), QStringLiteral("mibbet"))
                           : std::make_unique<QSettings>(path, QSettings::IniFormat))
{
    // QSettings writes a whole new file and renames it over the old one
    // (atomicSyncRequired is on by default).
    damaged_ = file_->status() != QSettings::NoError;
}

PlayerSettings::~PlayerSettings() = default;

QString PlayerSettings::fileName() const { return file_->fileName(); }

// Only what we write counts: "true" or "false". Anything else is the default.
bool PlayerSettings::readFlag(const char* key) const
{
    if (damaged_)
        return true;
    const QString value = file_->value(QLatin1String(key)).toString();
    return value != QLatin1String("false");
}

bool PlayerSettings::soundEffects() const { return readFlag(Effects); }
bool PlayerSettings::music() const { return readFlag(Music); }
void PlayerSettings::setSoundEffects(bool on) { write(Effects, on); }
void PlayerSettings::setMusic(bool on) { write(Music, on); }

std::optional<PlayerSettings::Place> PlayerSettings::gameWindow() const
{
    if (damaged_)
        return std::nullopt;
    bool leftOk = false, topOk = false;
    const QPoint p(file_->value(QLatin1String(Left)).toString().toInt(&leftOk),
                   file_->value(QLatin1String(Top)).toString().toInt(&topOk));
    if (!leftOk || !topOk || std::abs(p.x()) > FarthestOffset || std::abs(p.y()) > FarthestOffset)
        return std::nullopt;
    return Place{file_->value(QLatin1String(Screen)).toString(), p};
}

std::optional<int> PlayerSettings::gameFactor() const
{
    bool ok = false;
    const int factor = damaged_ ? 0 : file_->value(QLatin1String(Factor)).toString().toInt(&ok);
    if (!ok || factor < 1 || factor > LargestFactor)
        return std::nullopt;
    return factor;
}

void PlayerSettings::setGameFactor(int factor) { write(Factor, factor); }

void PlayerSettings::setGameWindow(const Place& place)
{
    write(Screen, place.screen);
    write(Left, place.offset.x());
    write(Top, place.offset.y());
}

// A damaged file is replaced by what is known now; a file that cannot be
// written leaves the choice for this run only.
void PlayerSettings::write(const char* key, const QVariant& value)
{
    if (damaged_) {
        file_->clear();
        damaged_ = false;
    }
    file_->setValue(QLatin1String(key), value);
    file_->sync();
}
