#include "GameWindow.h"
#include "Modes.h"
#include "SafeFile.h"
#include "SavedGameFile.h"

#include <QDir>

namespace {

const QString NameTitle = QStringLiteral("紀錄名");

savedgame::Record capture(const Module1& m, const Form1Vars& f, const QString& musicFile)
{
    savedgame::Record r;
    r.Level = m.Level;
    r.Lives = m.Lives;
    r.SprX = m.SprX;
    r.SprY = m.SprY;
    r.HideSec = f.HideSec;
    r.PP = f.PP;
    r.StageNo = m.StageNo;
    r.Score = f.Score;
    r.musicFile = musicFile;
    r.ModeName = m.ModeName;
    r.GhoAddNum = m.GhoAddNum;
    r.GhoBaseNum = m.GhoBaseNum;
    r.LsCost = m.LsCost;
    r.GhoMvBase = m.GhoMvBase;
    r.GhoMvStep = m.GhoMvStep;
    for (int i = 0; i < savedgame::Ghosts; ++i)
        r.ghosts[i] = {m.GhoTab[i].Alive, m.GhoTab[i].X, m.GhoTab[i].Y, m.GhoTab[i].Kind};
    r.board = m.MapTile;
    return r;
}

void apply(const savedgame::Record& r, Module1& m, Form1Vars& f)
{
    m.Level = r.Level;
    m.Lives = r.Lives;
    m.SprX = r.SprX;
    m.SprY = r.SprY;
    f.HideSec = r.HideSec;
    f.PP = r.PP;
    m.StageNo = r.StageNo;
    f.Score = r.Score;
    m.ModeName = r.ModeName;
    m.GhoAddNum = r.GhoAddNum;
    m.GhoBaseNum = r.GhoBaseNum;
    m.LsCost = r.LsCost;
    m.GhoMvBase = r.GhoMvBase;
    m.GhoMvStep = r.GhoMvStep;
    for (int i = 0; i < savedgame::Ghosts; ++i) {
        GhoRec& g = m.GhoTab[i];
        g.Alive = r.ghosts[i].Alive;
        g.X = r.ghosts[i].X;
        g.Y = r.ghosts[i].Y;
        g.Kind = r.ghosts[i].Kind;
    }
    m.MapTile = r.board;
}

} // namespace

QString GameWindow::savedGamePath(const QString& name) const
{
    return QDir::toNativeSeparators(host_.AppDir() + QStringLiteral("/save/") + name + QStringLiteral(".rgm"));
}

QString GameWindow::checkedSaveName(const QString& typed, const QString& failTitle)
{
    const QString name = typed.trimmed();
    const QString problem = savedgame::nameProblem(name);
    if (problem.isEmpty())
        return name;
    host_.MsgBox(QStringLiteral("「%1」不能當作紀錄名：\r%2").arg(typed, problem), failTitle);
    return {};
}

// The game stands still while the name is asked and until the player has read
// the outcome. A game that was paused (or under the instructions) stays so.
void GameWindow::SaveGame()
{
    const QString music = host_.MusicFile();
    const bool running = Timer1->enabled();
    setGameClock(false);
    const QString typed = host_.InputBox(QStringLiteral("輸入您要儲存的紀錄名"), NameTitle);
    if (closed_)
        return;
    const QString failTitle = QStringLiteral("儲存紀錄失敗");
    const QString name = typed.isEmpty() ? QString() : checkedSaveName(typed, failTitle);
    if (!name.isEmpty() && !closed_) {
        const QString path = savedGamePath(name);
        QString why;
        if (safefile::write(path, savedgame::format(capture(m, f, music)), &why))
            host_.MsgBox(QStringLiteral("您所儲存的紀錄資料\r紀錄名稱：%1\r模式：%2").arg(name, m.ModeName),
                         QStringLiteral("儲存紀錄成功!!!"));
        else
            host_.MsgBox(QStringLiteral("無法儲存紀錄檔：\r%1\r\r%2").arg(path, why), failTitle);
    }
    if (!closed_)
        setGameClock(running);
}

// A file is read whole and checked before anything changes: a bad one leaves
// the running game exactly as it was.
void GameWindow::LoadGame()
{
    const bool running = Timer1->enabled();
    setGameClock(false);
    const QString typed = host_.InputBox(QStringLiteral("輸入您要讀取的紀錄名"), NameTitle);
    if (closed_)
        return;
    const QString failTitle = QStringLiteral("讀取紀錄失敗");
    const QString name = typed.isEmpty() ? QString() : checkedSaveName(typed, failTitle);
    if (name.isEmpty() || closed_) {
        if (!closed_)
            setGameClock(running);
        return;
    }
    const QString path = savedGamePath(name);
    QByteArray bytes;
    const bool opened = safefile::readHead(path, &bytes);
    const savedgame::ParseResult r = opened ? savedgame::parse(bytes) : savedgame::ParseResult{};
    if (!r.record) {
        const QString problem = opened ? QStringLiteral("第 %1 行：%2").arg(r.problem.line).arg(r.problem.what)
                                       : QStringLiteral("找不到這個紀錄檔，或沒有權限開啟它。");
        host_.MsgBox(QStringLiteral("無法讀取紀錄檔：\r%1\r\r%2\r\r遊戲維持原狀。").arg(path, problem), failTitle);
        if (!closed_)
            setGameClock(running);
        return;
    }
    apply(*r.record, m, f);
    // A game saved during a move comes back on a whole cell (rounded down,
    // as the ghosts are), and a move running now ends here: the rest of its
    // steps from the loaded position would leave the character between
    // cells, where it could walk off the board.
    m.SprX = static_cast<std::int16_t>(m.SprX - m.SprX % 300);
    m.SprY = static_cast<std::int16_t>(m.SprY - m.SprY % 300);
    m.SprMoving = Off;
    m.SprStep = 0;
    // Saving follows the loaded mode; the stage clock and its name run on.
    vm.setEnabled(QStringLiteral("Toolbar1.save"), m.savingOffered());
    vm.setEnabled(QStringLiteral("saveSP"), m.savingOffered());
    // The next frame finds the channel closed and starts the tune afresh.
    host_.CloseMusic();
    host_.SetMusicFile(r.record->musicFile);
    vm.setText(QStringLiteral("Caption"), gameWindowCaptionStart(m.ModeName));
    host_.MsgBox(QStringLiteral("您所取出的紀錄資料\r\r紀錄名稱：%1\r難易模式：%2").arg(name, m.ModeName),
                 QStringLiteral("取出紀錄成功!!!"));
    if (closed_)
        return;
    setGameClock(running);
    if (f.HideSec != 0) {
        SprChkTimer->setEnabled(running);
        m.SprHide = On;
        vm.setVisible(QStringLiteral("Label3"), true);
        vm.setVisible(QStringLiteral("Label4"), true);
        vm.setText(QStringLiteral("Label4"), QString::number(f.HideSec));
    }
}
