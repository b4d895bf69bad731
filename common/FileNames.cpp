#include "FileNames.h"

namespace filenames {

QString problem(const QString& name, const QString& suffix)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("名稱不能只有空白。");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("名稱不能含有「/」或「\\」。");
    if (name.contains(QLatin1String("..")))
        return QStringLiteral("名稱不能含有「..」。");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control)
            return QStringLiteral("名稱不能含有控制字元。");
        if (QStringLiteral("<>:\"|?*").contains(c))
            return QStringLiteral("名稱不能含有 < > : \" | ? * 這些字元。");
    }
    // Most file systems take at most 255 bytes for a name, and a file that is
    // replaced passes through a scratch name 7 bytes longer (".XXXXXX").
    if ((name + suffix).toUtf8().size() > 255 - 7)
        return QStringLiteral("名稱太長了。");
    return {};
}

} // namespace filenames
