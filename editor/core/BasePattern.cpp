#include "BasePattern.h"

#include "SafeFile.h"

#include <QDir>

namespace basepattern {

QString pathIn(const QString& appDir) { return QDir::toNativeSeparators(appDir + QStringLiteral("/map/BaseMaze.bme")); }

QList<QByteArray> splitLines(QByteArray bytes)
{
    QList<QByteArray> lines;
    if (bytes.isEmpty())
        return lines;
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
    }
    return lines;
}

bool readLines(const QString& path, QList<QByteArray>* lines)
{
    QByteArray bytes;
    if (!safefile::readHead(path, &bytes))
        return false;
    *lines = splitLines(bytes);
    return true;
}

bool readOrSay(EditorHost& host, const QString& title, QList<QByteArray>* lines)
{
    const QString path = pathIn(host.AppDir());
    if (readLines(path, lines))
        return true;
    host.MsgBox(QStringLiteral("無法讀取基底圖群檔：\r%1\r\r找不到這個檔案，或沒有權限開啟它。").arg(path), title);
    return false;
}

int cellValue(const QByteArray& line, int i)
{
    if (i < 0 || i >= line.size())
        return 0;
    const char c = line[i];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

} // namespace basepattern
