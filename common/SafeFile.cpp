#include "SafeFile.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace safefile {

bool readHead(const QString& path, QByteArray* bytes, qint64 limit)
{
    QFile f(path);
    if (QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly))
        return false;
    // A buffer of the whole limit is not made for a small file.
    const qint64 size = f.size();
    *bytes = f.read(size > 0 && !f.isSequential() ? std::min(size, limit) : limit);
    return true;
}

QByteArray readHead(const QString& path)
{
    QByteArray bytes;
    readHead(path, &bytes);
    return bytes;
}

namespace {

QString describe(QFileDevice::FileError e)
{
    switch (e) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("無法建立檔案（可能沒有寫入的權限）。");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("寫入時發生錯誤（磁碟可能已滿）。");
    case QFileDevice::RenameError:
        return QStringLiteral("無法取代原有的檔案。");
    default:
        return QStringLiteral("無法寫入檔案。");
    }
}

} // namespace

namespace {
QString g_refused; // a clean absolute folder path, or empty
}

void refuseWritesBelow(const QString& folder)
{
    g_refused = folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool refused(const QString& path)
{
    const QString p = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return !g_refused.isEmpty() && (p == g_refused || p.startsWith(g_refused + QLatin1Char('/')));
}

bool write(const QString& path, const QByteArray& bytes, QString* error)
{
    if (refused(path)) {
        *error = QStringLiteral("這是遊戲安裝時附帶的檔案，不能改寫。");
        return false;
    }
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        *error = QStringLiteral("無法建立資料夾 %1。").arg(QDir::toNativeSeparators(info.absolutePath()));
        return false;
    }
    QSaveFile f(path);
    if (info.isDir()) {
        *error = QStringLiteral("同名的資料夾已經存在。");
        return false;
    }
    // A file its owner made read-only stays as it is, whoever runs the program.
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner)) {
        *error = QStringLiteral("這個檔案設為只能讀取，不能改寫。");
        return false;
    }
    if (!f.open(QIODevice::WriteOnly)) {
        *error = describe(f.error());
        return false;
    }
    // The bytes wait in the device's buffer, and a commit does not notice
    // when they fail to reach the file (a full disk): flush them here first.
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        *error = describe(f.error());
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        *error = describe(f.error());
        return false;
    }
    return true;
}

} // namespace safefile
