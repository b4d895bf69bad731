#include "AppLook.h"
#include "DataFolder.h"
#include "EditorWindow.h"
#include "WindowPlacer.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const bool x11Chosen = applook::chooseWindowSystem(argc, argv);
    QApplication app(argc, argv);
    applook::forgetWindowSystemChoice(x11Chosen);
    app.setApplicationName(QStringLiteral("Tessaly"));
    applook::install(QStringLiteral("tessaly"));
    // The same maps the game plays: beside the program, or the player's own.
    const datafolder::Place place = datafolder::forThisProgram();
    EditorWindow window(place.data);
    // Centred on the screen that holds the pointer.
    WindowPlacer placer;
    placer.centre(&window);
    window.show();
    if (!place.problem.isEmpty())
        window.host().MsgBox(
            QStringLiteral("無法使用您的資料夾：\r%1\r\r編輯器照常使用，但地圖與基底圖群都無法儲存。").arg(place.problem),
            QStringLiteral("資料夾"));
    else if (!place.unseeded.isEmpty())
        window.host().MsgBox(QStringLiteral("有些遊戲附帶的檔案無法放進您的資料夾：\r%1").arg(place.unseeded),
                             QStringLiteral("資料夾"));
    return app.exec();
}
