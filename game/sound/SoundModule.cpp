#include "QtSound.h"

// The module's entry point, looked up by name when the game makes its first sound.
extern "C" Q_DECL_EXPORT SoundChannels* mibbetSoundChannels(const QString& soundDir)
{
    return new QtSound(soundDir);
}
