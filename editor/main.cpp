#include "EditorWindow.h"

#include <QApplication>
#include <QFontDatabase>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tessaly"));
    // The bundled font, so the Chinese texts show on any machine.
    const QStringList families =
        QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(QStringLiteral(":/font/MibbetSans.otf")));
    if (!families.isEmpty()) {
        QFont font(families.first());
        font.setPointSize(10);
        app.setFont(font);
    }
    EditorWindow window;
    window.show();
    return app.exec();
}
