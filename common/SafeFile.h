#pragma once
#include <QByteArray>
#include <QString>

// Reading and writing the small files players and designers keep: saved
// games, the high-score table, the base pattern of the maze generator.
namespace safefile {

// The first `limit` bytes of a file; false when it cannot be opened.
bool readHead(const QString& path, QByteArray* bytes, qint64 limit = 1 << 20);
// As above, empty when the file cannot be opened.
QByteArray readHead(const QString& path);

// From now on, writes below `folder` are refused (none when it is empty):
// the shipped data, read when the player's own folder cannot be used, is
// never written.
void refuseWritesBelow(const QString& folder);
bool refused(const QString& path);

// Writes all of `bytes` to a scratch file beside `path`, puts it on disk and
// renames it over `path`, making the folder first when it is missing. A file
// is always either the old one or the new one, whole. A file whose owner
// made it read-only is not replaced. On failure `error` says why, in the
// player's words.
bool write(const QString& path, const QByteArray& bytes, QString* error);

} // namespace safefile
