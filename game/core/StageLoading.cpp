#include "GameProgram.h"
#include "GameWindow.h"
#include "Modes.h"
#include "StageMapFile.h"

#include <QDir>
#include <QFile>

QString GameWindow::stageMapPath(std::int16_t stage) const
{
    return QDir::toNativeSeparators(host_.AppDir() + QStringLiteral("/map/map") + QString::number(stage));
}

namespace {

QString describe(const stagemap::ReadResult& r)
{
    const QString bad = QString::fromUtf8(r.badValue.data(), static_cast<int>(r.badValue.size()));
    switch (r.error) {
    case stagemap::ReadError::CannotOpen:
        return QStringLiteral("找不到這個地圖檔，或沒有權限開啟它。");
    case stagemap::ReadError::TooFewValues:
        return QStringLiteral("地圖檔不完整：需要 520 個圖塊代碼，只讀到 %1 個。").arg(r.valuesRead);
    case stagemap::ReadError::NotANumber:
        return QStringLiteral("第 %1 個圖塊代碼「%2」不是整數。").arg(r.valuesRead + 1).arg(bad);
    case stagemap::ReadError::OutOfRange:
        return QStringLiteral("第 %1 個圖塊代碼「%2」超出範圍（-32768 到 32767）。").arg(r.valuesRead + 1).arg(bad);
    case stagemap::ReadError::None:
        break;
    }
    return {};
}

} // namespace

void GameWindow::LoadStageMap(std::int16_t stage)
{
    const QString path = stageMapPath(stage);
    const stagemap::ReadResult r = stagemap::read(QFile::encodeName(path).toStdString());
    if (!r.ok()) {
        host_.MsgBox(QStringLiteral("無法載入第 %1 關的地圖檔：\n%2\n\n%3\n\n遊戲將回到模式選擇畫面。")
                         .arg(stage)
                         .arg(path, describe(r)),
                     QStringLiteral("地圖檔錯誤"));
        program_.backToModeWindow();
        return;
    }
    m.MapTile = r.board;
    DrawBoard();
}
