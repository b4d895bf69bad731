#include "BundledFont.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace bundledfont {

namespace {
QString g_family;
}

bool install()
{
    if (g_family.isEmpty()) {
        for (const char* face : Faces) {
            const QStringList families =
                QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(QString::fromLatin1(face)));
            if (families.isEmpty())
                return false;
            g_family = families.first();
        }
    }
    QFont font(g_family);
    font.setPointSize(10);
    QGuiApplication::setFont(font);
    return true;
}

QString family() { return g_family; }

} // namespace bundledfont
