#pragma once
#include "MapCheck.h"

#include <QString>

namespace mapcheck {

// What the check found, for the designer: whether the map can be finished,
// then one line per finding, lines joined by CR.
QString text(const Report& r);

} // namespace mapcheck
