#include "AppLook.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>

namespace applook {

namespace {
QString g_family;

bool loadFont()
{
    if (!g_family.isEmpty())
        return true;
    for (const char* face : FontFaces) {
        const QStringList families =
            QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(QString::fromLatin1(face)));
        if (families.isEmpty())
            return false;
        g_family = families.first();
    }
    return true;
}
} // namespace

bool chooseWindowSystem(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return false;
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return false;
    const bool wayland =
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (!wayland || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

void forgetWindowSystemChoice(bool chosenHere)
{
    if (chosenHere)
        qunsetenv("QT_QPA_PLATFORM");
}

bool install(const QString& program)
{
    QGuiApplication::setWindowIcon(windowIcon(program));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.halvern.") + program);
    if (!loadFont())
        return false;
    QFont font(g_family);
    font.setPointSize(10);
    QGuiApplication::setFont(font);
    return true;
}

QString fontFamily() { return g_family; }

void setBoxText(QMessageBox& box, QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
}

QIcon icon(const QString& program, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes)
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(program).arg(size), QSize(size, size));
    return icon;
}

// Every window hands the X server its icon at every size the icon has, each
// decoded and converted as the window is made: the sizes title bars, task
// bars and window switchers draw, and no more. Menus and docks show the
// installed icons of the desktop entries.
QIcon windowIcon(const QString& program) { return icon(program, {16, 32, 48}); }

} // namespace applook
