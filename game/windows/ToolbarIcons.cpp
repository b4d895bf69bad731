#include "ToolbarIcons.h"

#include <QHash>
#include <QPixmap>
#include <QStringList>

namespace {

// The order of the images in the sheets, as the art script lays them out.
const QStringList Keys{QStringLiteral("reset"), QStringLiteral("stop"),   QStringLiteral("start"),
                       QStringLiteral("save"),  QStringLiteral("load"),   QStringLiteral("quit"),
                       QStringLiteral("coped"), QStringLiteral("mess"),   QStringLiteral("lada"),
                       QStringLiteral("sco"),   QStringLiteral("callme"), QStringLiteral("cop"),
                       QStringLiteral("halvern")};

QPixmap cut(const QPixmap& sheet, int index, int size, qreal ratio)
{
    QPixmap pm = sheet.copy(index * size, 0, size, size);
    pm.setDevicePixelRatio(ratio);
    return pm;
}

} // namespace

QIcon toolbarIcon(const QString& key)
{
    static QHash<QString, QIcon> cache;
    const int index = Keys.indexOf(key);
    if (index < 0)
        return {};
    QIcon& icon = cache[key];
    if (icon.isNull()) {
        static const QPixmap small(QStringLiteral(":/pictures/toolbar.png"));
        static const QPixmap large(QStringLiteral(":/pictures/toolbar@2x.png"));
        icon.addPixmap(cut(small, index, 24, 1));
        icon.addPixmap(cut(large, index, 48, 2));
    }
    return icon;
}
