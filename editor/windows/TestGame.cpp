#include "TestGame.h"

#include "StageMapFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

TestGame::~TestGame() { end(); }

QString TestGame::findGame()
{
    const QString here = QCoreApplication::applicationDirPath();
    // The build names it Mibbet, the installed tree mibbet (in /usr/games).
    for (const char* name : {"Mibbet", "mibbet"}) {
        const QFileInfo beside(here + QLatin1Char('/') + QLatin1String(name));
        if (beside.isFile() && beside.isExecutable())
            return beside.filePath();
    }
    QString installed = QStandardPaths::findExecutable(QStringLiteral("mibbet"));
    if (installed.isEmpty()) // /usr/games is not on every PATH
        installed = QStandardPaths::findExecutable(QStringLiteral("mibbet"), {QStringLiteral("/usr/games")});
    return installed;
}

QString TestGame::start(const Board& board)
{
    end();
    if (!dir_ || !dir_->isValid())
        dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tessaly-XXXXXX"));
    QString why = dir_->errorString();
    if (!dir_->isValid() || !stagemap::write(QFile::encodeName(mapFile()).toStdString(), board, &why))
        return QStringLiteral("無法寫出試玩用的地圖檔：\r%1\r\r%2").arg(mapFile(), why);
    const QString program = gameProgram.isEmpty() ? findGame() : gameProgram;
    if (program.isEmpty())
        return QStringLiteral("找不到遊戲程式 Mibbet：\r它應該在編輯器旁邊，或已經安裝在系統上。");
    game_ = std::make_unique<QProcess>();
    game_->setProcessChannelMode(QProcess::ForwardedChannels);
    game_->start(program, {QStringLiteral("--play-map"), mapFile()});
    if (!game_->waitForStarted())
        return QStringLiteral("無法啟動遊戲程式：\r%1\r\r%2").arg(program, game_->errorString());
    return {};
}

// A test game saves nothing, so it may end at once.
void TestGame::end()
{
    if (!game_ || game_->state() == QProcess::NotRunning)
        return;
    game_->terminate();
    if (!game_->waitForFinished(2000)) {
        game_->kill();
        game_->waitForFinished(2000);
    }
}
