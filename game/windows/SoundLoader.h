#pragma once
#include "SoundChannels.h"

#include <QStringList>

#include <memory>

// The folders the sound module is looked for in, in order: the program's own
// folder (the build's output) and the installed place relative to it.
QStringList soundModuleDirs(const QString& programDir);

// The channels of the sound module found first in `moduleDirs`, for the
// sounds below `soundDir`; quiet channels where there is none, so a damaged
// install still plays, without sound.
std::unique_ptr<SoundChannels> loadSoundChannels(const QString& soundDir, const QStringList& moduleDirs);
