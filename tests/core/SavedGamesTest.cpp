#include "GameFixture.h"
#include "SavedGameFile.h"

#include <QFile>

namespace {

class SavedGames : public GameFixture {
protected:
    QString savePath(const QString& name) const { return dir.path() + QStringLiteral("/save/") + name + QStringLiteral(".rgm"); }
    QByteArray fileBytes(const QString& name) const
    {
        QFile f(savePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QDir(dir.path()).mkpath(QStringLiteral("save"));
        QFile f(savePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Everything a saved game holds, as the running game has it now.
    savedgame::Record held(const GameWindow& g) const
    {
        savedgame::Record r;
        r.Level = m.Level;
        r.Lives = m.Lives;
        r.SprX = m.SprX;
        r.SprY = m.SprY;
        r.HideSec = g.f.HideSec;
        r.PP = g.f.PP;
        r.StageNo = m.StageNo;
        r.Score = g.f.Score;
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
    static std::vector<bool> gameClock(GameWindow& g)
    {
        return {g.Timer1->enabled(), g.SprChkTimer->enabled(), g.MvGhoTimer->enabled(), g.GifOneTimer->enabled(),
                g.GameTimer->enabled()};
    }
    static Board riverBoard()
    {
        Board b = floorBoard();
        b(3, 3) = 0;
        b(4, 3) = 6;
        b(10, 10) = 20; // a river, animated by the frame timer set
        return b;
    }
    // Saves the running game under `name`, answering the box.
    void save(GameWindow& g, const QString& name)
    {
        host.inputs = {name};
        g.SaveGame();
    }
};

// Stage 3 with 1234 points, saved and brought back after the game moved on:
// every stored value returns (ghosts on whole cells, the river at the step it
// had, eaten balls gone), the caption follows the file's mode, the stage
// clock and stage name run on, the music starts afresh, and the invisibility
// countdown resumes. The file is exactly the documented 675 lines.
TEST_F(SavedGames, SaveAndLoadRoundTrip)
{
    GameWindow& g = startCalm(2, riverBoard());
    clock.advance(700); // the river moves on a few steps
    const TileCode riverStep = m.MapTile(10, 10);
    ASSERT_NE(riverStep, 20);
    m.MapTile(3, 3) = 15; // eaten
    m.StageNo = 3;
    g.f.Score = 1234;
    m.Level = 7;
    m.Lives = 9;
    g.f.PP = 12;
    g.f.HideSec = 7;
    m.SprX = 2400;
    m.SprY = 1500;
    m.GhoTab[0] = {1950, 900, 1, true, On, 2};
    m.GhoTab[34] = {7500, 5700, 3, true, On, 1};
    m.GhoTab[35] = {300, 300, 0, true, On, 0}; // beyond what a file keeps
    std::vector<std::vector<bool>> frozen;
    host.whileBoxUp = [&] { frozen.push_back(gameClock(g)); };
    host.boxes.clear();
    save(g, QStringLiteral("  第三關 "));
    host.whileBoxUp = nullptr;
    EXPECT_EQ(frozen, std::vector<std::vector<bool>>(2, std::vector<bool>(5, false)));
    EXPECT_EQ(gameClock(g), std::vector<bool>(5, true));
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(std::make_pair(host.boxes[0].text, host.boxes[0].title),
              std::make_pair(QStringLiteral("輸入您要儲存的紀錄名"), QStringLiteral("紀錄名")));
    EXPECT_EQ(std::make_pair(host.boxes[1].text, host.boxes[1].title),
              std::make_pair(QStringLiteral("您所儲存的紀錄資料\r紀錄名稱：第三關\r模式：正常模式"),
                             QStringLiteral("儲存紀錄成功!!!")));

    // The file, line by line.
    const QList<QByteArray> lines = fileBytes(QStringLiteral("第三關")).split('\n');
    ASSERT_EQ(lines.size(), savedgame::Lines + 1);
    EXPECT_TRUE(lines.back().isEmpty());
    for (int i = 0; i < savedgame::Lines; ++i)
        ASSERT_TRUE(lines[i].endsWith('\r')) << "line " << i + 1;
    const auto line = [&](int n) { return QString::fromUtf8(lines[n - 1].chopped(1)); };
    QStringList head;
    for (int n = 1; n <= 19; ++n)
        head << line(n);
    EXPECT_EQ(head, (QStringList{"7", "9", "2400", "1500", "7", "12", "3", "1234",
                                 QLatin1Char('"') + host.musicFile + QLatin1Char('"'), "\"正常模式\"", "2", "7", "5",
                                 "140", "4", "#TRUE#", "1800", "900", "2"}));
    EXPECT_EQ((QStringList{line(152), line(153), line(154), line(155)}), (QStringList{"#TRUE#", "7500", "5700", "1"}));
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r)
            ASSERT_EQ(line(156 + c * BoardRows + r), QString::number(m.MapTile(c, r))) << c << "," << r;
    EXPECT_EQ(line(156 + 10 * BoardRows + 10), QString::number(riverStep));
    EXPECT_EQ(line(156 + 3 * BoardRows + 3), QStringLiteral("15"));

    savedgame::Record want = held(g);
    want.ghosts[0].X = 1800;
    // The game moves on, then the file comes back.
    const std::int16_t timeLeft = g.f.TimeLeft;
    const QString stageName = g.vm.text("Label13");
    // Every stored value changes before the file comes back.
    g.f.Score = 5;
    m.StageNo = 1;
    g.f.HideSec = 0;
    g.f.PP = 1;
    m.Level = 2;
    m.Lives = 1;
    m.SprX = m.SprY = 300;
    m.ModeName = QStringLiteral("簡易模式");
    m.GhoAddNum = m.GhoBaseNum = m.LsCost = 9;
    m.GhoMvBase = 160;
    m.GhoMvStep = 1;
    for (int i = 0; i < savedgame::Ghosts; ++i)
        m.GhoTab[i] = {600, 600, 0, !want.ghosts[i].Alive, Off, static_cast<std::int16_t>((want.ghosts[i].Kind + 1) % 3)};
    m.MapTile.cells.fill(1);
    ASSERT_NE(held(g), want);
    host.boxes.clear();
    host.sound.clear();
    host.inputs = {QStringLiteral("第三關")};
    g.LoadGame();
    EXPECT_EQ(held(g), want);
    EXPECT_EQ(m.GhoTab[35].X, 300) << "slots beyond 34 stay as they were";
    EXPECT_EQ(g.f.TimeLeft, timeLeft);
    EXPECT_EQ(g.vm.text("Label13"), stageName);
    EXPECT_EQ(g.vm.text("Caption"), QStringLiteral("   Quorral ---  Ver 4.0    [ 正常模式 ]"));
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(std::make_pair(host.boxes[0].text, host.boxes[0].title),
              std::make_pair(QStringLiteral("輸入您要讀取的紀錄名"), QStringLiteral("紀錄名")));
    EXPECT_EQ(std::make_pair(host.boxes[1].text, host.boxes[1].title),
              std::make_pair(QStringLiteral("您所取出的紀錄資料\r\r紀錄名稱：第三關\r難易模式：正常模式"),
                             QStringLiteral("取出紀錄成功!!!")));
    EXPECT_EQ(host.sound, QStringList{"CloseMusic"});
    EXPECT_EQ(gameClock(g), std::vector<bool>(5, true));
    EXPECT_EQ(m.SprHide, On);
    EXPECT_TRUE(g.vm.visible("Label3") && g.vm.visible("Label4"));
    EXPECT_EQ(g.vm.text("Label4"), QStringLiteral("7"));
    clock.advance(1000);
    EXPECT_EQ(g.f.HideSec, 6) << "the countdown goes on";
    EXPECT_EQ(g.vm.text("Caption"), QStringLiteral("   Quorral ---  Ver 4.0    [ 正常模式 ]   下載版"));
    EXPECT_EQ(host.sound.count(QStringLiteral("StartMusic")), 1);
}

// A game saved in the middle of a move comes back on a whole cell, and
// loading in the middle of a move ends that move: the character never rests
// between two cells.
TEST_F(SavedGames, MovesNeverOutliveALoad)
{
    const struct {
        int key;
        std::int16_t dir;
        std::pair<std::int16_t, std::int16_t> half, loaded, next;
    } moves[] = {
        {Qt::Key_Up, 0, {300, 5400 - 150}, {300, 5100}, {300, 4800}},
        {Qt::Key_Right, 1, {300 + 150, 5400}, {300, 5400}, {600, 5400}},
    };
    for (const auto& mv : moves) {
        SCOPED_TRACE(mv.dir);
        GameWindow& g = startCalm(2);
        m.SprDir = mv.dir; // on the start cell (1, 18)
        g.FG_KeyDown(mv.key, Qt::NoModifier);
        ASSERT_TRUE(advanceUntil([&] { return m.SprStep == 3; }));
        save(g, QStringLiteral("半途"));
        ASSERT_EQ(std::make_pair(m.SprX, m.SprY), mv.half) << "saved half-way";
        ASSERT_TRUE(advanceUntil([&] { return m.SprMoving == Off; }));
        g.FG_KeyDown(mv.key, Qt::NoModifier); // another move
        ASSERT_TRUE(advanceUntil([&] { return m.SprStep == 2; }));
        host.inputs = {QStringLiteral("半途")};
        g.LoadGame();
        clock.advance(1000);
        EXPECT_EQ(std::make_pair(m.SprX, m.SprY), mv.loaded);
        EXPECT_EQ(m.SprMoving, Off);
        g.FG_KeyDown(mv.key, Qt::NoModifier); // and the next move is a whole cell
        clock.advance(1000);
        EXPECT_EQ(std::make_pair(m.SprX, m.SprY), mv.next);
        program.backToModeWindow();
    }
}

// A game saved in another mode brings that mode's numbers and caption, and
// saving follows it: a practice game cannot be saved again. A paused game
// stays paused through saving and loading.
TEST_F(SavedGames, AnotherModeAndAPausedGame)
{
    GameWindow& hard = startCalm(1);
    save(hard, QStringLiteral("困難"));
    QByteArray practice = fileBytes(QStringLiteral("困難"));
    practice.replace("\"困難模式\"", "\"練習模式\"");
    writeFile(QStringLiteral("練習"), practice);
    program.backToModeWindow();

    GameWindow& g = startCalm(2);
    const std::int16_t timeLeft = g.f.TimeLeft;
    const QString stageName = g.vm.text("Label13");
    host.inputs = {QStringLiteral("困難")};
    g.LoadGame();
    EXPECT_EQ(m.ModeName, QStringLiteral("困難模式"));
    EXPECT_EQ((std::vector<int>{m.GhoAddNum, m.GhoBaseNum, m.LsCost, m.GhoMvBase, m.GhoMvStep}),
              (std::vector<int>{2, 9, 6, 120, 5}));
    EXPECT_EQ(g.vm.text("Caption"), QStringLiteral("   Quorral ---  Ver 4.0    [ 困難模式 ]"));
    EXPECT_EQ(g.f.TimeLeft, timeLeft);
    EXPECT_EQ(g.vm.text("Label13"), stageName);
    EXPECT_TRUE(g.vm.enabled("saveSP"));

    host.inputs = {QStringLiteral("練習")};
    g.LoadGame();
    EXPECT_FALSE(g.vm.enabled("saveSP"));
    EXPECT_FALSE(g.vm.enabled("Toolbar1.save"));
    host.inputs = {QStringLiteral("困難")};
    g.LoadGame();
    EXPECT_TRUE(g.vm.enabled("saveSP") && g.vm.enabled("Toolbar1.save"));

    g.PauseGame();
    save(g, QStringLiteral("暫停中"));
    EXPECT_EQ(gameClock(g), std::vector<bool>(5, false));
    host.inputs = {QStringLiteral("暫停中")};
    g.LoadGame();
    EXPECT_EQ(gameClock(g), std::vector<bool>(5, false));
    g.PauseGame();
    EXPECT_EQ(gameClock(g), std::vector<bool>(5, true));
    // The toolbar and the cancelled box.
    host.boxes.clear();
    g.Toolbar1_ButtonClick(4);
    g.Toolbar1_ButtonClick(5);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("輸入您要儲存的紀錄名"));
    EXPECT_EQ(host.boxes[1].text, QStringLiteral("輸入您要讀取的紀錄名"));
    EXPECT_EQ(gameClock(g), std::vector<bool>(5, true));
}

// Names that would leave save/ or that no file system takes are refused, for
// saving and loading alike; nothing is written and the game goes on.
TEST_F(SavedGames, RefusedNames)
{
    GameWindow& g = startCalm(2);
    const std::pair<QString, const char*> names[] = {
        {QStringLiteral("   "), "只有空白"},        {QStringLiteral("a/b"), "「/」"},
        {QStringLiteral("..\\x"), "「/」或「\\」"}, {QStringLiteral(".."), "「..」"},
        {QStringLiteral("a\tb"), "控制字元"},       {QStringLiteral("a\u0085b"), "控制字元"},
        {QStringLiteral("a:b"), "這些字元"},        {QStringLiteral("a?"), "這些字元"},
        {QStringLiteral("<名>"), "這些字元"},      {QString(82, QChar(0x7d00)), "太長"},
    };
    for (const auto& [name, reason] : names) {
        for (const bool saving : {true, false}) {
            SCOPED_TRACE(name.toStdString() + (saving ? " saving" : " loading"));
            host.boxes.clear();
            host.inputs = {name};
            saving ? g.SaveGame() : g.LoadGame();
            ASSERT_EQ(host.boxes.size(), 2u);
            EXPECT_EQ(host.boxes[1].title, saving ? QStringLiteral("儲存紀錄失敗") : QStringLiteral("讀取紀錄失敗"));
            EXPECT_TRUE(host.boxes[1].text.startsWith(QStringLiteral("「") + name + QStringLiteral("」不能當作紀錄名")));
            EXPECT_TRUE(host.boxes[1].text.contains(QString::fromUtf8(reason))) << host.boxes[1].text.toStdString();
            EXPECT_EQ(gameClock(g), std::vector<bool>(5, true));
        }
    }
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("/save")).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
    // The longest name that fits is a name, and saving under it again
    // replaces the file.
    for (const std::int32_t score : {1, 2}) {
        g.f.Score = score;
        host.boxes.clear();
        save(g, QString(81, QChar(0x7d00)));
        EXPECT_EQ(host.boxes.back().title, QStringLiteral("儲存紀錄成功!!!"));
        EXPECT_EQ(fileBytes(QString(81, QChar(0x7d00))).split('\n').at(7), QByteArray::number(score) + '\r');
    }
}

// A bad file of any kind names its first bad line and leaves the running
// game exactly as it was.
TEST_F(SavedGames, BadFilesChangeNothing)
{
    GameWindow& g = startCalm(2, riverBoard());
    save(g, QStringLiteral("好"));
    const QList<QByteArray> good = fileBytes(QStringLiteral("好")).split('\n');
    const auto edited = [&](int line, const QByteArray& text) {
        QList<QByteArray> l = good;
        l[line - 1] = text + "\r";
        return l.join('\n');
    };
    const auto cut = [&](int lines) { return good.mid(0, lines).join('\n') + '\n'; };
    const struct {
        const char* what;
        QByteArray bytes;
        int line; // 0: a missing file
        const char* says;
    } cases[] = {
        {"empty", "", 1, "檔案在這裡就結束了"},
        {"short", cut(300), 301, "需要 675 行"},
        {"not a number", edited(2, "abc"), 2, "「abc」不是整數"},
        {"long junk, shortened", edited(2, QByteArray(41, 'x')), 2,
         "「xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…」不是整數"},
        {"junk of 40, whole", edited(2, QByteArray(40, 'y')), 2, "「yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy」不是整數"},
        {"blank around", edited(6, " 3"), 6, "不是整數"},
        {"beyond 16 bits", edited(1, "40000"), 1, "超出範圍"},
        {"level 0", edited(1, "0"), 1, "等級 0 超出範圍（1 到 16）"},
        {"level 17", edited(1, "17"), 1, "等級 17"},
        {"stage 11", edited(7, "11"), 7, "關卡 11 超出範圍（0 到 10）"},
        {"stage -1", edited(7, "-1"), 7, "關卡 -1"},
        {"score beyond 32 bits", edited(8, "2147483648"), 8, "分數"},
        {"negative lives", edited(2, "-1"), 2, "生命數"},
        {"off the board", edited(3, "7800"), 3, "角色的橫向位置 7800"},
        {"between steps", edited(4, "125"), 4, "角色能走到的位置"},
        {"unquoted mode", edited(10, "正常模式"), 10, "雙引號"},
        {"half quoted", edited(9, "\""), 9, "雙引號"},
        {"ghost periods run out", edited(15, "16"), 15, "第 10 關"},
        {"no move period", edited(14, "0"), 14, "鬼的移動週期"},
        {"not a boolean", edited(16, "#YES#"), 16, "#TRUE#"},
        {"ghost off its cell", edited(17, "1950"), 17, "不在格子上"},
        {"ghost below the board", edited(22, "6000"), 22, "鬼的縱向位置"},
        {"ghost kind 3", edited(19, "3"), 19, "鬼的種類 3"},
        {"last ghost kind", edited(155, "-1"), 155, "鬼的種類"},
        {"board code", edited(675, "70000"), 675, "圖塊代碼 70000"},
        {"first board code", edited(156, "x"), 156, "不是整數"},
        {"missing", {}, 0, "找不到這個紀錄檔"},
    };
    g.f.Score = 777;
    m.MapTile(0, 0) = 7;
    clock.advance(300);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString name = QStringLiteral("壞");
        QFile::remove(savePath(name));
        if (c.line)
            writeFile(name, c.bytes);
        const savedgame::Record before = held(g);
        const std::vector<bool> clockBefore = gameClock(g);
        host.boxes.clear();
        host.sound.clear();
        host.inputs = {name};
        g.LoadGame();
        EXPECT_EQ(held(g), before);
        EXPECT_TRUE(host.sound.isEmpty());
        EXPECT_EQ(gameClock(g), clockBefore);
        ASSERT_EQ(host.boxes.size(), 2u);
        EXPECT_EQ(host.boxes[1].title, QStringLiteral("讀取紀錄失敗"));
        const QString& text = host.boxes[1].text;
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(savePath(name)))) << text.toStdString();
        if (c.line)
            EXPECT_TRUE(text.contains(QStringLiteral("第 %1 行：").arg(c.line))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.says))) << text.toStdString();
    }
    // Ghosts that reach 1 ms on stage 10 are still a game.
    QList<QByteArray> edge = good;
    edge[13] = "136\r";
    edge[14] = "15\r";
    writeFile(QStringLiteral("邊緣"), edge.join('\n'));
    host.inputs = {QStringLiteral("邊緣")};
    g.LoadGame();
    EXPECT_EQ(host.boxes.back().title, QStringLiteral("取出紀錄成功!!!"));
    EXPECT_EQ(std::make_pair(m.GhoMvBase, m.GhoMvStep), std::make_pair(std::int16_t{136}, std::int16_t{15}));
    // Lines ended by LF alone, and anything after the last line, still read.
    QByteArray lf = good.join('\n');
    lf.replace("\r\n", "\n");
    writeFile(QStringLiteral("好"), lf + "多餘的一行\r\n");
    g.f.Score = 1;
    host.boxes.clear();
    host.inputs = {QStringLiteral("好")};
    g.LoadGame();
    EXPECT_EQ(host.boxes.back().title, QStringLiteral("取出紀錄成功!!!"));
    EXPECT_EQ(g.f.Score, 0);
}

// A save that cannot be written says so and never reports success; a name
// that exists is replaced without a question.
TEST_F(SavedGames, WritesThatFailAndNamesThatExist)
{
    GameWindow& g = startCalm(2);
    g.f.Score = 10;
    save(g, QStringLiteral("同名"));
    g.f.Score = 20;
    host.boxes.clear();
    save(g, QStringLiteral("同名"));
    EXPECT_EQ(host.boxes.size(), 2u) << "no question before replacing";
    EXPECT_EQ(fileBytes(QStringLiteral("同名")).split('\n').at(7), QByteArray("20\r"));

    QDir(dir.path()).rename(QStringLiteral("save"), QStringLiteral("saved"));
    QFile blocker(dir.path() + QStringLiteral("/save"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    host.boxes.clear();
    save(g, QStringLiteral("新的"));
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].title, QStringLiteral("儲存紀錄失敗"));
    EXPECT_TRUE(host.boxes[1].text.startsWith(QStringLiteral("無法儲存紀錄檔："))) << host.boxes[1].text.toStdString();
    EXPECT_EQ(gameClock(g), std::vector<bool>(5, true));
}

} // namespace
