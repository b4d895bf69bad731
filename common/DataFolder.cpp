#include "DataFolder.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QSet>
#include <QTemporaryFile>

#include <algorithm>

namespace datafolder {

namespace {

// The files a new player's folder starts with: every shipped map, the base
// pattern, and the high-score table.
QStringList seeds(const QString& shipped)
{
    QStringList files;
    for (const QString& name : QDir(shipped + QStringLiteral("/map")).entryList(QDir::Files, QDir::Name))
        files << QStringLiteral("map/") + name;
    if (QFileInfo::exists(shipped + QStringLiteral("/save/high.tm")))
        files << QStringLiteral("save/high.tm");
    return files;
}

bool writable(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.probe-XXXXXX"));
    return probe.open();
}

// "<hash> <file>" for every version of a seeded file shipped so far.
QSet<QByteArray> shippedVersions(const QString& shipped)
{
    QSet<QByteArray> versions;
    for (const QByteArray& line : safefile::readHead(shipped + QLatin1Char('/') + QLatin1String(ShippedVersions)).split('\n'))
        if (const QList<QByteArray> parts = line.simplified().split(' '); parts.size() == 2)
            versions.insert(parts[0].toLower() + ' ' + parts[1]);
    return versions;
}

// Makes the player's folder ready; the reason it cannot be used, or empty.
// What could not be read or copied goes to `unseeded`.
QString prepare(const QString& shipped, const QString& player, QStringList* unseeded)
{
    for (const char* sub : {"map", "save"}) {
        const QString folder = player + QLatin1Char('/') + QLatin1String(sub);
        if (!QDir().mkpath(folder))
            return QStringLiteral("無法建立資料夾 %1。").arg(QDir::toNativeSeparators(folder));
        if (!writable(folder))
            return QStringLiteral("無法寫入資料夾 %1。").arg(QDir::toNativeSeparators(folder));
    }
    const QSet<QByteArray> versions = shippedVersions(shipped);
    const QStringList files = seeds(shipped);
    for (const QString& file : files) {
        const QString from = shipped + QLatin1Char('/') + file, to = player + QLatin1Char('/') + file;
        QByteArray now, mine;
        if (!safefile::readHead(from, &now)) {
            unseeded->append(QStringLiteral("無法讀取 %1。").arg(QDir::toNativeSeparators(from)));
            continue;
        }
        if (const QFileInfo mineInfo(to); mineInfo.exists()) {
            // Only a file still exactly as an earlier version shipped it is
            // brought up to date; one the player made read-only is kept too.
            if (!(mineInfo.permissions() & QFileDevice::WriteOwner) || !safefile::readHead(to, &mine) || mine == now ||
                !versions.contains(QCryptographicHash::hash(mine, QCryptographicHash::Sha256).toHex() + ' ' +
                                   file.toUtf8()))
                continue;
        }
        QString why;
        if (!safefile::write(to, now, &why))
            unseeded->append(QStringLiteral("無法複製 %1：%2").arg(QDir::toNativeSeparators(to), why));
    }
    // A new folder that got nothing would hide nothing of the player's.
    const auto held = [&](const QString& file) { return QFileInfo::exists(player + QLatin1Char('/') + file); };
    if (!unseeded->isEmpty() && std::none_of(files.begin(), files.end(), held))
        return unseeded->join(QLatin1Char('\r'));
    return {};
}

} // namespace

Place decide(const QString& programDir, const QString& playerDir)
{
    const QDir program(programDir);
    const bool beside = program.exists(QStringLiteral("map")) && program.exists(QStringLiteral("save"));
    if (beside && writable(program.filePath(QStringLiteral("save"))))
        return {programDir, programDir, {}, {}};
    const QString shipped = beside ? programDir : QDir::cleanPath(programDir + QStringLiteral("/" MIBBET_DATA_FROM_PROGRAM));
    if (!QDir(shipped).exists(QStringLiteral("map")))
        return {programDir, programDir, {}, {}};
    const QString player = playerDir.isEmpty() ? QString() : QDir::cleanPath(playerDir);
    QStringList unseeded;
    const QString problem = player.isEmpty() ? QStringLiteral("找不到您的使用者資料夾。") : prepare(shipped, player, &unseeded);
    if (problem.isEmpty())
        return {player, shipped, {}, unseeded.join(QLatin1Char('\r'))};
    safefile::refuseWritesBelow(shipped);
    return {shipped, shipped, problem, {}};
}

QString playerFolder(const QByteArray& xdgDataHome, const QByteArray& home)
{
    const QString data = QFile::decodeName(xdgDataHome), homeDir = QDir::cleanPath(QFile::decodeName(home));
    if (QDir::isAbsolutePath(data))
        return QDir::cleanPath(data) + QStringLiteral("/mibbet");
    if (!QDir::isAbsolutePath(homeDir) || QDir(homeDir).isRoot())
        return {};
    return homeDir + QStringLiteral("/.local/share/mibbet");
}

Place forThisProgram()
{
    return decide(QCoreApplication::applicationDirPath(), playerFolder(qgetenv("XDG_DATA_HOME"), qgetenv("HOME")));
}

} // namespace datafolder
