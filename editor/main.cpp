#include "BundledFont.h"
#include "EditorWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tessaly"));
    bundledfont::install(); // the Chinese texts show alike on every machine
    EditorWindow window;
    window.show();
    return app.exec();
}
