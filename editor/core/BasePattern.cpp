#include "BasePattern.h"

#include "SafeFile.h"

#include <QDir>

namespace basepattern {

QString pathIn(const QString& appDir) { return QDir::toNativeSeparators(appDir + QStringLiteral("/map/BaseMaze.bme")); }

bool readLines(const QString& path, QList<QByteArray>* lines)
{
    QByteArray bytes;
    if (!safefile::readHead(path, &bytes))
        return false;
    lines->clear();
    if (bytes.isEmpty())
        return true;
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines->append(line);
    }
    return true;
}

int cellValue(const QByteArray& line, int i)
{
    if (i < 0 || i >= line.size())
        return 0;
    const char c = line[i];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

} // namespace basepattern
