#include "GameProgram.h"
#include "GameWindow.h"
#include "Modes.h"
#include "StageMapText.h"

#include <QDir>
#include <QFile>

QString GameWindow::stageMapPath(std::int16_t stage) const
{
    return QDir::toNativeSeparators(host_.AppDir() + QStringLiteral("/map/map") + QString::number(stage));
}

void GameWindow::LoadStageMap(std::int16_t stage)
{
    const QString path = stageMapPath(stage);
    const stagemap::ReadResult r = stagemap::read(QFile::encodeName(path).toStdString());
    if (!r.ok()) {
        host_.MsgBox(QStringLiteral("無法載入第 %1 關的地圖檔：\n%2\n\n%3\n\n遊戲將回到模式選擇畫面。")
                         .arg(stage)
                         .arg(path, stagemap::problemText(r)),
                     QStringLiteral("地圖檔錯誤"));
        program_.backToModeWindow();
        return;
    }
    m.MapTile = r.board;
    DrawBoard();
}
