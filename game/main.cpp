#include "AppLook.h"
#include "GameProgram.h"
#include "LiveTimers.h"
#include "QtGameHost.h"

#include <QApplication>

#include <cmath>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Mibbet"));
    // The program decides when it ends: choosing a mode closes the mode window
    // before the game window opens.
    app.setQuitOnLastWindowClosed(false);
    installAppLook(app);

    QtGameHost host;
    LiveTimers timers;
    GameProgram program(host, timers);
    // The board is drawn at the screen's pixel ratio, so it stays crisp.
    program.setSurfaceScale(static_cast<int>(std::ceil(app.devicePixelRatio())));
    host.setProgram(&program);
    timers.afterTick = [&host](const std::string&) { host.syncWindows(); };
    program.start();
    return app.exec();
}
