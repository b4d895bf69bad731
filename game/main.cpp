#include "AppLook.h"
#include "DataFolder.h"
#include "GameProgram.h"
#include "LiveTimers.h"
#include "PlayerSettings.h"
#include "QtGameHost.h"

#include <QApplication>

#include <cmath>

int main(int argc, char* argv[])
{
    // The game wakes some seventy times a second for its timers; Qt's own
    // event loop does that with less work than the GLib one.
    qputenv("QT_NO_GLIB", "1");
    // A frame sends a few 20-pixel cells to the X server. Through shared
    // memory each one costs a round trip to the server, more than copying
    // those few kilobytes down the socket.
    qputenv("QT_XCB_NO_MITSHM", "1");
    const bool x11Chosen = applook::chooseWindowSystem(argc, argv);
    QApplication app(argc, argv);
    applook::forgetWindowSystemChoice(x11Chosen);
    app.setApplicationName(QStringLiteral("Mibbet"));
    // The program decides when it ends: choosing a mode closes the mode window
    // before the game window opens.
    app.setQuitOnLastWindowClosed(false);
    applook::install(QStringLiteral("mibbet"));

    // Maps and saves beside the program, or in the player's own folder when
    // the game is installed; sounds always come with the game.
    const datafolder::Place place = datafolder::forThisProgram();
    PlayerSettings settings;
    QtGameHost host;
    host.setSettings(&settings);
    host.setAppDir(place.data);
    host.setSoundDir(place.shipped);
    LiveTimers timers;
    GameProgram program(host, timers);
    // The board is drawn at the screen's pixel ratio, so it stays crisp.
    program.setSurfaceScale(static_cast<int>(std::ceil(app.devicePixelRatio())));
    host.setProgram(&program);
    timers.afterTick = [&host](const std::string&) { host.syncWindows(); };
    // Told before the mode window shows, in a box of the desktop's own look.
    if (!place.problem.isEmpty())
        host.MsgBox(QStringLiteral("無法使用您的資料夾：\r%1\r\r遊戲照常進行，但紀錄、分數與地圖都無法儲存。").arg(place.problem),
                    QStringLiteral("資料夾"));
    else if (!place.unseeded.isEmpty())
        host.MsgBox(QStringLiteral("有些遊戲附帶的檔案無法放進您的資料夾：\r%1").arg(place.unseeded), QStringLiteral("資料夾"));
    // Started by the level editor with a map to try out: straight to the game
    // window on that map.
    if (const auto testMap = GameProgram::playMapArgument(app.arguments())) {
        if (!program.startTestGame(*testMap))
            return 1;
    } else {
        program.start();
    }
    return app.exec();
}
