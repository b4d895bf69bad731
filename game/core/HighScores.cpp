#include "GameProgram.h"
#include "GameWindow.h"
#include "HighScoreFile.h"
#include "HighScoreForm.h"
#include "SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <cstdlib>

// A score that beats an entry strictly asks for a name and takes that entry's
// place; a cancelled name leaves the table alone and shows nothing.
//
// One game at a time reads, asks and writes the table, under a lock file
// beside it, so that two games ending together both keep their entries; a
// score that enters nothing only shows the table and waits for no one. Qt
// takes over a lock whose game is no longer running on this machine, never
// because a name takes long to type. A lock whose owner cannot be read (left
// empty by a power cut) or that was taken on another machine sharing the
// folder cannot be tested that way: it is taken over once it is older than
// AbandonedLockMs. A lock that stays taken is reported, and the player may try
// again. Where no lock file can be made at all (a read-only folder, or the
// shipped table read when the player's own folder cannot be used), the write
// reports what goes wrong.
namespace {

bool abandoned(const QLockFile& lock)
{
    QString host;
    if (lock.getLockInfo(nullptr, &host, nullptr) && (host.isEmpty() || host == QSysInfo::machineHostName()))
        return false;
    const qint64 age = QFileInfo(lock.fileName()).lastModified().msecsTo(QDateTime::currentDateTime());
    return std::abs(age) > GameWindow::AbandonedLockMs;
}

} // namespace

void GameWindow::OfferScore(std::int32_t score)
{
    const QString path = highscores::pathIn(host_.AppDir());
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (highscores::placeFor(highscores::read(path), score) && !safefile::refused(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        while (!lock.tryLock(TableLockWaitMs) && lock.error() == QLockFile::LockFailedError) {
            if (abandoned(lock) && lock.removeStaleLockFile())
                continue;
            const bool again = host_.AskYesNo(
                QStringLiteral("另一個遊戲正在更新排行榜，\r您的分數暫時無法登錄。\r\r要再試一次嗎？"), QStringLiteral("確定訊息"));
            if (closed_ || !again)
                return;
        }
    }
    // Read again under the lock: another game may have just written it.
    const highscores::Table table = highscores::read(path);
    if (const std::optional<int> place = highscores::placeFor(table, score)) {
        const QString name = highscores::typedName(
            host_.InputBox(QStringLiteral("請輸入姓名後按確定"), QStringLiteral("匿名"), highscores::MaxNameLength));
        if (closed_ || name.isEmpty())
            return;
        QString why;
        if (!highscores::write(path, highscores::inserted(table, *place, name, score), &why)) {
            host_.MsgBox(QStringLiteral("無法更新排行榜：\r%1\r\r%2").arg(path, why), QStringLiteral("排行榜"));
            if (closed_)
                return;
        }
    }
    ShowHighScores();
}

void GameWindow::ShowHighScores()
{
    vm.setEnabled(QStringLiteral("Form1"), false);
    host_.ShowHighScoreWindow();
}

HighScoreForm::HighScoreForm(GameProgram& program) : program_(program)
{
    vm.setText(QStringLiteral("Caption"), QStringLiteral("Quorral --- 排行榜"));
    const char* const header[] = {"排名", "大名", "分數"};
    for (int i = 0; i < 3; ++i)
        vm.setText(QStringLiteral("lb2") + QString::number(i), QString::fromUtf8(header[i]));
    vm.setText(QStringLiteral("Command1"), QStringLiteral("確定"));
    ReadTable();
}

void HighScoreForm::ReadTable()
{
    const highscores::Table table =
        highscores::read(highscores::pathIn(program_.host().AppDir()));
    for (int i = 0; i < highscores::Entries; ++i) {
        vm.setText(QStringLiteral("lb1") + QString::number(i), QString::number(i + 1));
        vm.setText(QStringLiteral("names") + QString::number(i), table[i].name);
        vm.setText(QStringLiteral("Scores") + QString::number(i), QString::number(table[i].score));
    }
}

void HighScoreForm::Command1_Click()
{
    if (GameWindow* game = program_.game())
        game->vm.setEnabled(QStringLiteral("Form1"), true);
    program_.host().CloseHighScoreWindow();
    program_.host().ShowGameWindow();
}
