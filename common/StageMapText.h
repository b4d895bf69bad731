#pragma once
#include "StageMapFile.h"

#include <QString>

namespace stagemap {

// What is wrong with a map file that could not be read, in the players' words.
QString problemText(const ReadResult& r);

} // namespace stagemap
