#include "AppLook.h"
#include "EditorWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tessaly"));
    applook::install(QStringLiteral("tessaly"));
    EditorWindow window;
    window.show();
    return app.exec();
}
