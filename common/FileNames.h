#pragma once
#include <QString>

namespace filenames {

// Why a name typed by the player or designer cannot name a file inside its
// folder (with `suffix` added), or empty when it can. Refused: nothing but
// blanks, a path separator, "..", control characters, the characters some
// file systems refuse (< > : " | ? *), and names too long for a file system.
QString problem(const QString& name, const QString& suffix = QString());

} // namespace filenames
