#include "DataFolder.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace datafolder {

namespace {

// The files a new player's folder starts with: every shipped map, the base
// pattern, and the high-score table.
QStringList seeds(const QString& shipped)
{
    QStringList files;
    for (const QString& name : QDir(shipped + QStringLiteral("/map")).entryList(QDir::Files, QDir::Name))
        files << QStringLiteral("map/") + name;
    files << QStringLiteral("save/high.tm");
    return files;
}

// Makes the player's folder ready; the reason it cannot be used, or empty.
QString prepare(const QString& shipped, const QString& player)
{
    for (const char* sub : {"map", "save"}) {
        const QString folder = player + QLatin1Char('/') + QLatin1String(sub);
        if (!QDir().mkpath(folder))
            return QStringLiteral("無法建立資料夾 %1。").arg(QDir::toNativeSeparators(folder));
        QTemporaryFile probe(folder + QStringLiteral("/.probe-XXXXXX"));
        if (!probe.open())
            return QStringLiteral("無法寫入資料夾 %1。").arg(QDir::toNativeSeparators(folder));
    }
    for (const QString& file : seeds(shipped)) {
        const QString to = player + QLatin1Char('/') + file;
        QString why;
        if (!QFileInfo::exists(to) && QFileInfo::exists(shipped + QLatin1Char('/') + file) &&
            !safefile::write(to, safefile::readHead(shipped + QLatin1Char('/') + file), &why))
            return QStringLiteral("無法複製 %1：%2").arg(QDir::toNativeSeparators(to), why);
    }
    return {};
}

} // namespace

Place decide(const QString& programDir, const QString& playerDir)
{
    const QDir program(programDir);
    const QString installed = QDir::cleanPath(programDir + QStringLiteral("/../share/games/mibbet"));
    if ((program.exists(QStringLiteral("map")) && program.exists(QStringLiteral("save"))) ||
        !QDir(installed).exists(QStringLiteral("map")))
        return {programDir, programDir, {}};
    const QString player = playerDir.isEmpty() ? QString() : QDir::cleanPath(playerDir);
    const QString problem = player.isEmpty() ? QStringLiteral("找不到您的使用者資料夾。") : prepare(installed, player);
    if (problem.isEmpty())
        return {player, installed, {}};
    safefile::refuseWritesBelow(installed);
    return {installed, installed, problem};
}

Place forThisProgram()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return decide(QCoreApplication::applicationDirPath(), data.isEmpty() ? data : data + QStringLiteral("/mibbet"));
}

} // namespace datafolder
