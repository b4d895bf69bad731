#pragma once
#include "EditorHost.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

// The base pattern of the maze generator, map/BaseMaze.bme: nine lines of
// nine characters, "1" a wall and "0" a ball, each line ended by CR LF.
namespace basepattern {

inline constexpr int Size = 9;

// map/BaseMaze.bme below the program's folder.
QString pathIn(const QString& appDir);

// The lines of the file's bytes: split at LF, a CR before each LF dropped,
// nothing after a final LF.
QList<QByteArray> splitLines(QByteArray bytes);

// The file's lines as above; false when it cannot be read.
bool readLines(const QString& path, QList<QByteArray>* lines);

// Reads the pattern of the program folder; when it cannot, tells the
// designer in a box headed `title` and returns false.
bool readOrSay(EditorHost& host, const QString& title, QList<QByteArray>* lines);

// Cell i of a line: the number its (i + 1)-th character begins with, so a
// digit gives its value and anything else, or nothing, gives 0.
int cellValue(const QByteArray& line, int i);

} // namespace basepattern
