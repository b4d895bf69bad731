#include "EditorModel.h"
#include "StageMapFile.h"
#include "TilePictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <random>

namespace {

class ScriptedHost : public EditorHost {
public:
    struct Box {
        QString text, title;
    };
    std::vector<Box> boxes;
    std::deque<QString> inputs; // answers to input boxes; cancel when exhausted
    QString dir;
    void MsgBox(const QString& text, const QString& title) override { boxes.push_back({text, title}); }
    QString InputBox(const QString& prompt, const QString& title) override
    {
        boxes.push_back({prompt, title});
        if (inputs.empty())
            return {};
        const QString a = inputs.front();
        inputs.pop_front();
        return a;
    }
    QString AppDir() const override { return dir; }
    std::deque<bool> answers; // Yes/No answers; No when exhausted
    bool AskYesNo(const QString& text, const QString& title) override
    {
        boxes.push_back({text, title});
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<double> rnd; // scripted draws, then 0
    int randomized = 0;
    double Rnd() override
    {
        if (rnd.empty())
            return 0.0;
        const double v = rnd.front();
        rnd.pop_front();
        return v;
    }
    void Randomize() override { ++randomized; }
};

class Editor : public ::testing::Test {
protected:
    Editor()
    {
        host.dir = dir.path();
        QDir(dir.path()).mkpath(QStringLiteral("map"));
    }
    QString mapFile(const QString& name) const { return dir.path() + QStringLiteral("/map/map") + name; }
    QStringList mapFiles() const { return QDir(dir.path() + QStringLiteral("/map")).entryList(QDir::Files); }
    void press(int button, double x, double y) { model.paintAt(button, x, y); }
    // The picture of a cell as the board shows it.
    QImage cellImage(int col, int row) const { return model.FG.copy(col * 20, row * 20, 20, 20); }
    static QImage tileImage(TileCode code) { return TilePictures::forScale(1).picture(code); }

    QTemporaryDir dir;
    ScriptedHost host;
    EditorModel model{host};
};

// Presses address floor(x / 300), floor(y / 300); left paints the left tile,
// right the right one, other buttons and presses on a board still disabled
// nothing; picking sets a tile and its label without touching the board.
TEST_F(Editor, PickingAndPainting)
{
    EXPECT_EQ(std::make_pair(model.label2, model.label3), std::make_pair(QStringLiteral("代碼 1"), QStringLiteral("代碼 0")));
    press(EditorModel::LeftButton, 150, 150);
    EXPECT_EQ(model.EdBoard, Board{}) << "the board ignores the mouse until a load or generation";
    model.boardEnabled = true;

    const struct {
        int button;
        double x, y;
        int col, row;
        TileCode code; // -1: nothing painted
    } presses[] = {
        {EditorModel::LeftButton, 299, 10, 0, 0, 1},       {EditorModel::RightButton, 300, 10, 1, 0, 0},
        {EditorModel::LeftButton, 7799, 5999, 25, 19, 1},  {EditorModel::LeftButton, 7800, 100, 26, 0, -1},
        {EditorModel::LeftButton, 100, 6000, 0, 20, -1},   {EditorModel::LeftButton, -0.5, 100, -1, 0, -1},
        {EditorModel::MiddleButton, 900, 900, 3, 3, -1},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        model.EdBoard.cells.fill(44);
        const Board before = model.EdBoard;
        press(p.button, p.x, p.y);
        Board want = before;
        if (p.code >= 0)
            want(p.col, p.row) = p.code;
        EXPECT_EQ(model.EdBoard, want);
        if (p.code >= 0)
            EXPECT_EQ(cellImage(p.col, p.row), tileImage(p.code));
    }

    model.pick(EditorModel::RightButton, 80);
    model.pick(EditorModel::MiddleButton, 15);
    EXPECT_EQ(std::make_pair(model.NowCode, model.NewCode), std::make_pair(TileCode{1}, TileCode{80}));
    EXPECT_EQ(model.label3, QStringLiteral("代碼 80"));
    press(EditorModel::RightButton, 4 * 300 + 1, 5 * 300 + 299);
    EXPECT_EQ(model.EdBoard(4, 5), 80);

    // The grapes' narrow picture leaves the rest of the cell as it was.
    model.pick(EditorModel::LeftButton, 0);
    press(EditorModel::LeftButton, 10, 10);
    const QImage ball = cellImage(0, 0);
    model.pick(EditorModel::LeftButton, 11);
    press(EditorModel::LeftButton, 10, 10);
    EXPECT_EQ(cellImage(0, 0).copy(0, 0, 13, 20), tileImage(11));
    EXPECT_EQ(cellImage(0, 0).copy(13, 0, 7, 20), ball.copy(13, 0, 7, 20));
}

// The fill replaces every cell of the find value, disabled board or not; a
// fractional replacement rounds half to even; bad boxes are refused.
TEST_F(Editor, Fill)
{
    const struct {
        const char *find, *replacement;
        TileCode want;   // what the cells of 0 become
        bool refused;
    } cases[] = {
        {"0", "1", 1, false},   {"0", "0", 0, false},   {" 0 ", "1.5", 2, false}, {"0", "2.5", 2, false},
        {"0", "3.5", 4, false}, {"0.5", "1", 0, false}, {"abc", "1", 0, true},    {"", "1", 0, true},
        {"0", "999", 0, true},  {"0", "x", 0, true},    {"0", "16", 0, true},     {"0", "1e6", 0, true},
        {"0", "nan", 0, true},  {"0", "-inf", 0, true}, {"nan", "1", 0, false},   {"0", "122", 122, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.find) + " -> " + c.replacement);
        model.EdBoard = Board{};
        model.EdBoard(7, 7) = 5;
        model.FG.fill(Qt::black);
        host.boxes.clear();
        model.Command2_Click(QString::fromUtf8(c.find), QString::fromUtf8(c.replacement));
        Board want;
        want.cells.fill(c.want);
        want(7, 7) = 5;
        EXPECT_EQ(model.EdBoard, want);
        EXPECT_EQ(host.boxes.size(), c.refused ? 1u : 0u);
        if (c.refused)
            EXPECT_EQ(host.boxes[0].title, QStringLiteral("填充功能"));
        const bool matched = !c.refused && QString::fromUtf8(c.find).trimmed() == QLatin1String("0");
        QImage black(20, 20, QImage::Format_RGB32);
        black.fill(Qt::black);
        EXPECT_EQ(cellImage(0, 0), matched ? tileImage(c.want) : black);
        EXPECT_EQ(cellImage(7, 7), black) << "cells of other codes are not drawn";
    }
    EXPECT_FALSE(model.boardEnabled) << "a fill does not count as editing";
}

// Saving: refused before any editing, refused unless the tunnel ends come as
// one pair or not at all (counted before the start cells are set), silent
// when cancelled; otherwise the start cells become floor and the file is the
// map format, readable by the game.
TEST_F(Editor, SaveRulesAndTheFile)
{
    model.Command2_Click(QStringLiteral("0"), QStringLiteral("1"));
    host.inputs = {QStringLiteral("1")};
    model.SaveFile_Click();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(std::make_pair(host.boxes[0].text, host.boxes[0].title),
              std::make_pair(QStringLiteral("編輯錯誤\r您還未編輯任何地圖"), QStringLiteral("錯誤")));
    EXPECT_TRUE(mapFiles().isEmpty());

    model.LoadFile_Click(); // cancelled, yet the board counts as edited now
    EXPECT_TRUE(model.boardEnabled);
    model.EdBoard = Board{};
    host.inputs = {QStringLiteral("0")};
    model.SaveFile_Click(); // the all-zero board is a map like any other
    Board zeros;
    zeros(1, 18) = zeros(13, 3) = 15;
    EXPECT_EQ(stagemap::read(mapFile(QStringLiteral("0")).toStdString()).board, zeros);
    QFile::remove(mapFile(QStringLiteral("0")));
    const struct {
        int ends80, ends81;
        bool saved;
    } tunnels[] = {{1, 0, false}, {0, 1, false}, {2, 2, false}, {2, 1, false}, {1, 1, true}, {0, 0, true}};
    for (const auto& t : tunnels) {
        SCOPED_TRACE(std::to_string(t.ends80) + " x 80, " + std::to_string(t.ends81) + " x 81");
        model.EdBoard.cells.fill(1);
        for (int i = 0; i < t.ends80; ++i)
            model.EdBoard(i == 0 ? 1 : 5, i == 0 ? 18 : 5) = 80; // the first on the player's start cell
        for (int i = 0; i < t.ends81; ++i)
            model.EdBoard(20 + i, 10) = 81;
        host.boxes.clear();
        host.inputs = {QStringLiteral("3")};
        host.answers = {true}; // walls everywhere: no ball to eat, save all the same
        QFile::remove(mapFile(QStringLiteral("3")));
        model.SaveFile_Click();
        ASSERT_FALSE(host.boxes.empty());
        if (!t.saved) {
            EXPECT_EQ(host.boxes.size(), 1u);
            EXPECT_EQ(host.boxes[0].title, QStringLiteral("錯誤訊息"));
            EXPECT_EQ(host.boxes[0].text, QStringLiteral("編輯錯誤\r若您在地圖上增加了地道圖塊\r則地圖上必須同時擁有\r"
                                                         "單一的編號80地道圖塊\r單一的編號81地道圖塊"));
            EXPECT_FALSE(QFile::exists(mapFile(QStringLiteral("3"))));
            continue;
        }
        ASSERT_EQ(host.boxes.size(), 3u);
        EXPECT_EQ(std::make_pair(host.boxes[0].text, host.boxes[0].title),
                  std::make_pair(QStringLiteral("這張地圖無法過關，仍要儲存嗎？"), QStringLiteral("地圖檢查")));
        EXPECT_EQ(std::make_pair(host.boxes[1].text, host.boxes[1].title),
                  std::make_pair(QStringLiteral("輸入檔名"), QStringLiteral("檔名")));
        EXPECT_EQ(std::make_pair(host.boxes[2].text, host.boxes[2].title),
                  std::make_pair(QStringLiteral("存檔成功!!!"), QStringLiteral("Save")));
        Board want;
        want.cells.fill(1);
        for (int i = 0; i < t.ends81; ++i)
            want(20 + i, 10) = 81;
        want(1, 18) = want(13, 3) = 15; // the tunnel end on the start cell is overwritten
        QFile f(mapFile(QStringLiteral("3")));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll().toStdString(), stagemap::format(want));
        EXPECT_EQ(stagemap::read(mapFile(QStringLiteral("3")).toStdString()).board, want);
        EXPECT_EQ(model.EdBoard, want);
        EXPECT_EQ(cellImage(13, 3), tileImage(15));
    }
    host.boxes.clear();
    host.answers = {true};
    model.SaveFile_Click(); // cancelled at the prompt: silent, nothing written
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(mapFiles(), QStringList{"map3"});
}

// "檢查地圖" says what stands in the way and frames those cells until the
// board changes; saving a map that cannot be finished asks first.
TEST_F(Editor, MapCheckAndTheSaveQuestion)
{
    model.boardEnabled = true;
    Board& b = model.EdBoard;
    b.cells.fill(15);
    for (int r = 0; r < BoardRows; ++r)
        b(12, r) = 1;
    b(20, 5) = 6;                              // behind the wall
    b(3, 2) = b(4, 3) = b(3, 4) = b(2, 3) = 2; // and a ball at (3, 3) behind crystals
    b(3, 3) = 0;
    model.CheckMap_Click();
    EXPECT_EQ(host.boxes.back().title, QStringLiteral("地圖檢查"));
    EXPECT_EQ(host.boxes.back().text, QStringLiteral("這張地圖無法過關：\r1 顆球從起點 (1, 18) 走不到，鑽子也打不通。\r"
                                                     "1 顆球要用鑽子打破障礙物才吃得到，至少需要 1 PP。"));
    EXPECT_EQ(model.checkedCells, (std::vector<passability::Cell>{{20, 5}, {3, 3}}));
    host.inputs = {QStringLiteral("5")};
    model.SaveFile_Click(); // No: back to the editor
    EXPECT_EQ(host.boxes.back().text, QStringLiteral("這張地圖無法過關，仍要儲存嗎？"));
    EXPECT_TRUE(mapFiles().isEmpty());
    host.answers = {true};
    model.SaveFile_Click();
    EXPECT_EQ(mapFiles(), QStringList{"map5"});

    model.pick(EditorModel::LeftButton, 15);
    press(EditorModel::LeftButton, 12 * 300, 5 * 300); // a way through the wall
    EXPECT_TRUE(model.checkedCells.empty());
    model.SaveFile_Click(); // nothing to ask now
    EXPECT_EQ(host.boxes.back().text, QStringLiteral("輸入檔名"));
}

// Loading draws the whole map; a name that would leave map/ and a file that
// cannot be read are refused with a message, and the board and the files
// stay as they were.
TEST_F(Editor, LoadAndRefusals)
{
    Board stage = Board{};
    for (int i = 0; i < BoardCells; ++i)
        stage.cells[i] = static_cast<TileCode>(i % 3 == 0 ? 0 : 15);
    stage(25, 19) = 80;
    stage(24, 19) = 81;
    ASSERT_TRUE(stagemap::write(mapFile(QStringLiteral("10")).toStdString(), stage));
    host.inputs = {QStringLiteral("10")};
    model.LoadFile_Click();
    EXPECT_EQ(model.EdBoard, stage);
    EXPECT_EQ(cellImage(25, 19), tileImage(80));
    EXPECT_EQ(cellImage(0, 0), tileImage(0));
    EXPECT_EQ(std::make_pair(host.boxes.back().text, host.boxes.back().title),
              std::make_pair(QStringLiteral("取出檔案成功!!!"), QStringLiteral("Load")));

    QFile shortFile(mapFile(QStringLiteral("short")));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write("1\r\n2\r\n");
    shortFile.close();
    QFile junk(mapFile(QStringLiteral("junk")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("1\r\nabc\r\n");
    junk.close();
    const QStringList filesBefore = mapFiles();
    const QImage picture = model.FG;
    const struct {
        const char* typed;
        const char* says;
        bool badName; // refused for saving too
    } refusals[] = {
        {"../x", "不能當作地圖檔名", true}, {"a/b", "「/」", true},         {"  ", "只有空白", true},
        {"a\tb", "控制字元", true},        {"a:b", "這些字元", true},      {"missing", "找不到", false},
        {"short", "只讀到 2 個", false},    {"junk", "「abc」不是整數", false},
    };
    for (const bool saving : {true, false})
        for (const auto& r : refusals) {
            if (saving && !r.badName)
                continue;
            SCOPED_TRACE(std::string(r.typed) + (saving ? " saving" : " loading"));
            host.boxes.clear();
            host.inputs = {QString::fromUtf8(r.typed)};
            saving ? model.SaveFile_Click() : model.LoadFile_Click();
            ASSERT_EQ(host.boxes.size(), 2u);
            EXPECT_TRUE(host.boxes[1].text.contains(QString::fromUtf8(r.says))) << host.boxes[1].text.toStdString();
            EXPECT_EQ(model.EdBoard, stage);
            EXPECT_EQ(model.FG, picture);
            EXPECT_EQ(mapFiles(), filesBefore);
        }
}

// A pattern file from nine text lines.
void writePattern(const QString& appDir, const QStringList& lines)
{
    QFile f(appDir + QStringLiteral("/map/BaseMaze.bme"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& l : lines)
        f.write(l.toLatin1() + "\r\n");
}

// Turns go clockwise and accumulate from block to block; later blocks win
// the shared edges; the ring is wall and the start cells floor; the walls
// take the left tile; short lines and other characters are balls.
TEST_F(Editor, Generator)
{
    // Column 0 walls, a wall at (4, 0), everything else balls; "x" and a
    // short last line read as balls.
    QStringList lines;
    for (int row = 0; row < 9; ++row)
        lines << (row == 0 ? QStringLiteral("1000100x0") : row == 8 ? QStringLiteral("1") : QStringLiteral("100000000"));
    writePattern(dir.path(), lines);
    model.pick(EditorModel::LeftButton, 3);
    host.rnd = std::deque<double>(16, 0.99); // n = 4 for every block: no turn
    model.Command1_Click();
    EXPECT_TRUE(model.boardEnabled);
    EXPECT_EQ(host.randomized, 1);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(model.text1.startsWith(QStringLiteral("1 0 0 0 1 0 0 0 0\r\n 1 0 0")));
    EXPECT_TRUE(model.text1.endsWith(QStringLiteral(" 1 0 0 0 0 0 0 0 0\r\n")));
    const auto wall = [&](int c, int r) { return model.EdBoard(c, r) == 3; };
    // Shared columns 8, 16, 24 take the next block's column 0: walls.
    for (int r = 1; r < 19; ++r)
        for (int c : {8, 16, 24})
            EXPECT_TRUE(wall(c, r)) << c << "," << r;
    EXPECT_TRUE(wall(4, 8)) << "row 8 is the next block's row 0";
    EXPECT_FALSE(wall(5, 8));
    EXPECT_FALSE(wall(7, 1)) << "the x reads as a ball";
    for (int c = 0; c < BoardCols; ++c)
        EXPECT_TRUE(wall(c, 0) && wall(c, 19)) << c;
    for (int r = 0; r < BoardRows; ++r)
        EXPECT_TRUE(wall(0, r) && wall(25, r)) << r;
    EXPECT_EQ(model.EdBoard(1, 18), 15);
    EXPECT_EQ(model.EdBoard(13, 3), 15);
    EXPECT_EQ(cellImage(8, 5), tileImage(3));
    EXPECT_EQ(model.Maze.pixel(5, 5), tileImage(1).scaled(10, 10, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(5, 5))
        << "the preview shows the pattern's walls";
    QImage white(10, 10, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QImage ballCell = model.Maze.copy(10, 0, 10, 10), wallCell = model.Maze.copy(0, 0, 10, 10);
    EXPECT_NE(ballCell, white) << "and its balls";
    EXPECT_NE(ballCell, wallCell);

    // One quarter turn before the first block; the others keep that
    // orientation (n = 4): column 0 of the pattern becomes row 0 everywhere.
    host.rnd = {0.0};
    for (int i = 1; i < 16; ++i)
        host.rnd.push_back(0.99);
    model.Command1_Click();
    EXPECT_TRUE(host.rnd.empty()) << "one draw per block";
    for (int c = 1; c < 25; ++c)
        EXPECT_TRUE(wall(c, 8) && wall(c, 16)) << c;
    for (const auto& [c, r] : {std::pair{4, 1}, std::pair{8, 4}, std::pair{1, 1}, std::pair{8, 1}})
        EXPECT_FALSE(wall(c, r)) << c << "," << r;
    EXPECT_EQ(model.BaseMaze[8][4], 1) << "the grid keeps the turned pattern";
    EXPECT_EQ(model.BaseMaze[0][4], 0) << "column 0 turned into row 0";
    EXPECT_EQ(model.BaseMaze[4][0], 1);
}

// Whole-wall and whole-ball patterns; files that are missing, empty or too long.
TEST_F(Editor, GeneratorPatternsAndFiles)
{
    const QString nine1 = QStringLiteral("111111111"), nine0 = QStringLiteral("000000000");
    writePattern(dir.path(), QStringList(9, nine1));
    model.Command1_Click();
    Board walls;
    walls.cells.fill(1);
    walls(1, 18) = walls(13, 3) = 15;
    EXPECT_EQ(model.EdBoard, walls);

    writePattern(dir.path(), QStringList(12, nine0)); // lines beyond the tenth are ignored
    model.Command1_Click();
    Board balls;
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r)
            balls(c, r) = (c == 0 || r == 0 || c == 25 || r == 19) ? 1 : 0;
    balls(1, 18) = balls(13, 3) = 15;
    EXPECT_EQ(model.EdBoard, balls);

    writePattern(dir.path(), {}); // empty: the grid keeps what it had
    model.Command1_Click();
    EXPECT_EQ(model.EdBoard, balls);
    EXPECT_TRUE(model.text1.isEmpty());

    QFile::remove(dir.path() + QStringLiteral("/map/BaseMaze.bme"));
    EditorModel fresh(host);
    host.boxes.clear();
    fresh.Command1_Click();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("產生迷宮"));
    EXPECT_TRUE(host.boxes[0].text.contains(QStringLiteral("BaseMaze.bme")));
    EXPECT_FALSE(fresh.boardEnabled);
    EXPECT_EQ(fresh.EdBoard, Board{});
}

// Every change of the board is one step to undo and redo; undoing never
// changes the enabled state, the selected tiles or a file.
TEST_F(Editor, UndoAndRedo)
{
    writePattern(dir.path(), QStringList(9, QStringLiteral("101010101")));
    Board map;
    map.cells.fill(77);
    ASSERT_TRUE(stagemap::write(mapFile(QStringLiteral("2")).toStdString(), map));
    std::vector<Board> seen{model.EdBoard};
    host.inputs = {QStringLiteral("2")};
    model.LoadFile_Click();
    seen.push_back(model.EdBoard);
    model.Command1_Click();
    seen.push_back(model.EdBoard);
    model.pick(EditorModel::LeftButton, 9);
    press(EditorModel::LeftButton, 5 * 300, 5 * 300);
    seen.push_back(model.EdBoard);
    model.Command2_Click(QStringLiteral("0"), QStringLiteral("6"));
    seen.push_back(model.EdBoard);
    ASSERT_EQ(model.undo.count(), 4);
    const QByteArray file = stagemap::format(map).c_str();
    for (int step = 3; step >= 0; --step) {
        model.undo.undo();
        EXPECT_EQ(model.EdBoard, seen[step]) << step;
        EXPECT_EQ(cellImage(5, 5), tileImage(model.EdBoard(5, 5))) << step;
    }
    EXPECT_TRUE(model.boardEnabled);
    EXPECT_EQ(model.NowCode, 9);
    for (int step = 1; step <= 4; ++step) {
        model.undo.redo();
        EXPECT_EQ(model.EdBoard, seen[step]) << step;
    }
    QFile f(mapFile(QStringLiteral("2")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), file);
    model.Command2_Click(QStringLiteral("44"), QStringLiteral("6")); // changes nothing: no step
    EXPECT_EQ(model.undo.count(), 4);
}

// The shipped base pattern makes playable mazes: whatever the turns, every
// cell that is not wall can be reached from the player's start.
TEST_F(Editor, ShippedPatternMakesConnectedMazes)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(MIBBET_SOURCE_DIR "/data/map/BaseMaze.bme"),
                            dir.path() + QStringLiteral("/map/BaseMaze.bme")));
    std::mt19937 rng(20261209);
    for (int maze = 0; maze < 300; ++maze) {
        for (int i = 0; i < 16; ++i)
            host.rnd.push_back(std::uniform_real_distribution<double>(0, 1)(rng));
        model.Command1_Click();
        std::vector<bool> seen(BoardCells, false);
        std::vector<std::pair<int, int>> todo{{1, 18}};
        seen[1 * BoardRows + 18] = true;
        while (!todo.empty()) {
            const auto [c, r] = todo.back();
            todo.pop_back();
            for (const auto& [dc, dr] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
                const int nc = c + dc, nr = r + dr;
                if (Board::inside(nc, nr) && model.EdBoard(nc, nr) != model.NowCode && !seen[nc * BoardRows + nr]) {
                    seen[nc * BoardRows + nr] = true;
                    todo.push_back({nc, nr});
                }
            }
        }
        int walls = 0;
        for (int c = 0; c < BoardCols; ++c)
            for (int r = 0; r < BoardRows; ++r) {
                walls += model.EdBoard(c, r) == model.NowCode;
                ASSERT_TRUE(model.EdBoard(c, r) == model.NowCode || seen[c * BoardRows + r])
                    << "maze " << maze << ": (" << c << ", " << r << ") cannot be reached";
            }
        ASSERT_GT(walls, 150) << "a maze, not an open field";
    }
}

// A golden board for the shipped (asymmetric) pattern and fixed turns, worked
// out by hand-written rules outside this program: # wall, . ball, S start.
// It pins the turning direction, the accumulation and the shared edges.
TEST_F(Editor, GoldenMaze)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(MIBBET_SOURCE_DIR "/data/map/BaseMaze.bme"),
                            dir.path() + QStringLiteral("/map/BaseMaze.bme")));
    const char* const golden[] = {
        "##########################",
        "#####.##.#....##.#.##.##.#",
        "#........#...#...#.....#.#",
        "##...#.....#.S.#..###..#.#",
        "##.#.....#...#.#.....#.#.#",
        "##..###..#..#......#...#.#",
        "##.....#.#.....#.........#",
        "###.##.#.#.#####.##.####.#",
        "#........................#",
        "##.##.##.####.##.#####.#.#",
        "##.....#.........#.....#.#",
        "#.###..#.#...#......#..#.#",
        "#....#.#.#.#.....#.#...#.#",
        "#..#...#.#..###..#.#.#...#",
        "#........#.....#...#...#.#",
        "###.####.##.##.#.##....#.#",
        "#........................#",
        "######.#.####.##.#.##.##.#",
        "#S.....#.........#.....#.#",
        "##########################",
    };
    for (const int n : {1, 2, 3, 4, 2, 1, 4, 3, 3, 3, 1, 2, 4, 4, 1, 2})
        host.rnd.push_back((n - 1) / 4.0 + 0.01);
    model.Command1_Click();
    for (int r = 0; r < BoardRows; ++r)
        for (int c = 0; c < BoardCols; ++c) {
            const char g = golden[r][c];
            EXPECT_EQ(model.EdBoard(c, r), g == '#' ? 1 : g == 'S' ? 15 : 0) << c << "," << r;
        }

    // A pattern that every turn leaves as it is gives one board whatever the draws.
    writePattern(dir.path(), {"100000001", "000000000", "000000000", "000000000", "000010000", "000000000",
                              "000000000", "000000000", "100000001"});
    host.rnd = std::deque<double>(16, 0.0);
    model.Command1_Click();
    const Board once = model.EdBoard;
    std::mt19937 rng(5);
    for (int i = 0; i < 16; ++i)
        host.rnd.push_back(std::uniform_real_distribution<double>(0, 1)(rng));
    model.Command1_Click();
    EXPECT_EQ(model.EdBoard, once);
    EXPECT_EQ(model.EdBoard(4, 4), 1);
}

// A new change after an undo drops what could have been redone.
TEST_F(Editor, NewChangeClearsRedo)
{
    model.LoadFile_Click(); // cancelled: the board is open for painting
    press(EditorModel::LeftButton, 10, 10);
    model.undo.undo();
    EXPECT_TRUE(model.undo.canRedo());
    press(EditorModel::RightButton, 310, 10); // paints 0 on 0: no change, no step
    EXPECT_TRUE(model.undo.canRedo());
    model.pick(EditorModel::RightButton, 80);
    press(EditorModel::RightButton, 310, 10);
    EXPECT_FALSE(model.undo.canRedo());
    EXPECT_EQ(model.EdBoard(0, 0), 0);
    EXPECT_EQ(model.undo.count(), 1);
}

// The palette as the designer sees it, group by group and column by column;
// every code on it has a picture the game draws.
TEST_F(Editor, PaletteTable)
{
    QStringList seen;
    for (const auto& g : EditorModel::palette()) {
        QStringList columns;
        for (const auto& column : g.columns) {
            QStringList codes;
            for (TileCode code : column) {
                codes << QString::number(code);
                EXPECT_TRUE(EditorModel::onPalette(code));
                EXPECT_NE(tileImage(code), TilePictures::forScale(1).picture(127)) << code << " has its own picture";
            }
            columns << codes.join(QLatin1Char(','));
        }
        seen << QString::fromUtf8(g.caption) + QLatin1Char(' ') + columns.join(QLatin1Char('|'));
    }
    EXPECT_EQ(seen, (QStringList{"可破壞圖塊 0,90,2,91|1,4,5,92",
                                 "不可破壞圖塊 77,101,76,102|78,79,3,103|100",
                                 "道具圖塊 7,11,9,6|8,12,14,10|13",
                                 "動畫圖塊 55,20,84,50",
                                 "地道圖塊 80,81",
                                 "通道圖塊 17,18,15",
                                 "二拼圖塊 61,62,63,64|117,118,121,122|119,120",
                                 "四拼圖塊 105,107,113,115|106,108,114,116|109,111|110,112",
                                 "九拼圖塊 66,67,68|69,70,71|72,73,74"}));
    EXPECT_FALSE(EditorModel::onPalette(16));
}

// Saving makes the map folder when it is missing; the start cells it sets
// are one step to undo, and only when they changed.
// The longest name that fits saves a map and replaces it; one byte more is
// refused before anything is written.
TEST_F(Editor, LongestMapName)
{
    model.LoadFile_Click();
    const QString longest(255 - 7 - 3, QLatin1Char('n'));
    for (const QString& name : {longest, longest, longest + QLatin1Char('n')}) {
        host.boxes.clear();
        host.inputs = {name};
        model.SaveFile_Click();
        ASSERT_EQ(host.boxes.size(), 2u);
        EXPECT_EQ(host.boxes[1].text.startsWith(QStringLiteral("存檔成功")), name == longest) << host.boxes[1].text.toStdString();
    }
    EXPECT_EQ(mapFiles(), QStringList{QStringLiteral("map") + longest});
    // A folder in the map's place: the failure is told, nothing is replaced.
    QDir(dir.path()).mkpath(QStringLiteral("map/map6"));
    host.inputs = {QStringLiteral("6")};
    model.SaveFile_Click();
    EXPECT_TRUE(host.boxes.back().text.startsWith(QStringLiteral("無法儲存地圖檔"))) << host.boxes.back().text.toStdString();
    // A map the designer made read-only says so.
    host.inputs = {QStringLiteral("n"), QStringLiteral("n")};
    model.SaveFile_Click();
    ASSERT_TRUE(QFile::setPermissions(mapFile(QStringLiteral("n")), QFile::ReadOwner));
    model.SaveFile_Click();
    EXPECT_TRUE(host.boxes.back().text.contains(QStringLiteral("這個檔案設為只能讀取"))) << host.boxes.back().text.toStdString();
}

TEST_F(Editor, SaveMakesTheMapFolder)
{
    QDir(dir.path() + QStringLiteral("/map")).removeRecursively();
    model.LoadFile_Click();
    host.inputs = {QStringLiteral("4"), QStringLiteral("5")};
    model.SaveFile_Click();
    EXPECT_TRUE(QFile::exists(mapFile(QStringLiteral("4"))));
    EXPECT_EQ(host.boxes.back().title, QStringLiteral("Save"));
    EXPECT_EQ(model.undo.count(), 1);
    model.SaveFile_Click();
    EXPECT_EQ(model.undo.count(), 1) << "the start cells were floor already";
    model.undo.undo();
    EXPECT_EQ(model.EdBoard, Board{});
}

} // namespace
