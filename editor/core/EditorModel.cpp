#include "EditorModel.h"

#include "BasePattern.h"
#include "FileNames.h"
#include "MapCheckText.h"
#include "StageMapText.h"
#include "TileCatalogue.h"
#include "TilePictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <cmath>

namespace {

// One step of the board's history: the board before and after a change. The
// change itself is already on the board when the step is recorded.
class BoardChange : public QUndoCommand {
public:
    BoardChange(EditorModel& model, Board before, Board after, const QString& text)
        : QUndoCommand(text), model_(model), before_(before), after_(after)
    {
    }
    void undo() override { model_.showBoard(before_); }
    void redo() override
    {
        if (done_)
            model_.showBoard(after_);
        done_ = true; // the first redo comes with the push: already done
    }

private:
    EditorModel& model_;
    Board before_, after_;
    bool done_ = false;
};

// The kinds of change, each with its own name in the history.
struct PaintCell : BoardChange {
    PaintCell(EditorModel& m, Board b, Board a) : BoardChange(m, b, a, QStringLiteral("畫一格")) {}
};
struct Fill : BoardChange {
    Fill(EditorModel& m, Board b, Board a) : BoardChange(m, b, a, QStringLiteral("填充")) {}
};
struct Generate : BoardChange {
    Generate(EditorModel& m, Board b, Board a) : BoardChange(m, b, a, QStringLiteral("產生迷宮")) {}
};
struct Load : BoardChange {
    Load(EditorModel& m, Board b, Board a) : BoardChange(m, b, a, QStringLiteral("載入")) {}
};
struct StartCells : BoardChange {
    StartCells(EditorModel& m, Board b, Board a) : BoardChange(m, b, a, QStringLiteral("起點設為通道")) {}
};

} // namespace

namespace {

constexpr int CellTwips = 300;
constexpr int Cell = 20; // pixels
const QString NameTitle = QStringLiteral("檔名");
const QString CheckTitle = QStringLiteral("地圖檢查");

} // namespace

const std::vector<EditorModel::PaletteGroup>& EditorModel::palette()
{
    static const std::vector<PaletteGroup> groups = {
        {"可破壞圖塊", {{0, 90, 2, 91}, {1, 4, 5, 92}}},
        {"不可破壞圖塊", {{77, 101, 76, 102}, {78, 79, 3, 103}, {100}}},
        {"道具圖塊", {{7, 11, 9, 6}, {8, 12, 14, 10}, {13}}},
        {"動畫圖塊", {{55, 20, 84, 50}}},
        {"地道圖塊", {{80, 81}}},
        {"通道圖塊", {{17, 18, 15}}},
        {"二拼圖塊", {{61, 62, 63, 64}, {117, 118, 121, 122}, {119, 120}}},
        {"四拼圖塊", {{105, 107, 113, 115}, {106, 108, 114, 116}, {109, 111}, {110, 112}}},
        {"九拼圖塊", {{66, 67, 68}, {69, 70, 71}, {72, 73, 74}}},
    };
    return groups;
}

bool EditorModel::onPalette(TileCode code)
{
    for (const PaletteGroup& g : palette())
        for (const auto& column : g.columns)
            for (TileCode c : column)
                if (c == code)
                    return true;
    return false;
}

QString EditorModel::title()
{
    return QStringLiteral("   Quorral！ ---  Ver 4.0  Tessaly");
}

EditorModel::EditorModel(EditorHost& host, int scale)
    : FG(BoardCols * Cell * scale, BoardRows * Cell * scale, QImage::Format_RGB32),
      Maze(90 * scale, 90 * scale, QImage::Format_RGB32), host_(host), scale_(scale)
{
    FG.fill(Qt::black); // nothing drawn yet
    QObject::connect(&undo, &QUndoStack::indexChanged, &undo, [this] { checkedCells.clear(); });
    Maze.fill(Qt::white);
    pick(LeftButton, 1);
    pick(RightButton, 0);
}

void EditorModel::pick(int button, TileCode code)
{
    const QString label = QStringLiteral("代碼 ") + QString::number(code);
    if (button == LeftButton) {
        NowCode = code;
        label2 = label;
    } else if (button == RightButton) {
        NewCode = code;
        label3 = label;
    }
}

void EditorModel::drawCell(int col, int row)
{
    const TilePictures& pics = TilePictures::forScale(scale_);
    QPainter p(&FG);
    // The grapes' narrower picture leaves the rest of the cell as it was.
    p.drawImage(QPoint(col * Cell * scale_, row * Cell * scale_), pics.sheet(), pics.pictureOf(EdBoard(col, row)));
}

void EditorModel::paintAt(int button, double x, double y)
{
    if (!boardEnabled || (button != LeftButton && button != RightButton))
        return;
    const int col = static_cast<int>(std::floor(x / CellTwips)), row = static_cast<int>(std::floor(y / CellTwips));
    if (!Board::inside(col, row))
        return;
    const Board before = EdBoard;
    EdBoard(col, row) = button == LeftButton ? NowCode : NewCode;
    drawCell(col, row);
    if (!(EdBoard == before))
        undo.push(new PaintCell(*this, before, EdBoard));
}

void EditorModel::showBoard(const Board& board)
{
    EdBoard = board;
    DrawBoard();
}

void EditorModel::DrawBoard()
{
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r)
            drawCell(c, r);
}

// A find value that is no number, or a replacement that is no palette code,
// is refused with a word to the designer; the board is left alone.
void EditorModel::Command2_Click(const QString& find, const QString& replacement)
{
    const QString title = QStringLiteral("填充功能");
    bool findOk = false, replaceOk = false;
    const double findValue = find.trimmed().toDouble(&findOk);
    const double replaceValue = replacement.trimmed().toDouble(&replaceOk);
    if (!findOk) {
        host_.MsgBox(QStringLiteral("「%1」不是數字：\r請在「取代為」左邊的框輸入要被取代的圖塊代碼。").arg(find), title);
        return;
    }
    // A fraction rounds to the nearest whole code, a half to the even one.
    const double rounded = replaceOk ? std::nearbyint(replaceValue) : -1;
    // Within the codes before it meets a cast; written so that "nan" fails too.
    if (!replaceOk || !(rounded >= 0 && rounded <= tiles::HighestCode) || !onPalette(static_cast<TileCode>(rounded))) {
        host_.MsgBox(QStringLiteral("「%1」不是圖塊代碼：\r請在「取代為」右邊的框輸入調色盤上的一個代碼。").arg(replacement),
                     title);
        return;
    }
    const auto code = static_cast<TileCode>(rounded);
    const Board before = EdBoard;
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r)
            if (findValue == EdBoard(c, r)) {
                EdBoard(c, r) = code;
                drawCell(c, r);
            }
    if (!(EdBoard == before))
        undo.push(new Fill(*this, before, EdBoard));
}

QString EditorModel::mapPath(const QString& name) const
{
    return QDir::toNativeSeparators(host_.AppDir() + QStringLiteral("/map/map") + name);
}

// A cancelled box gives nothing silently; a name that cannot be a map file
// in map/ is refused with the reason.
QString EditorModel::askMapName()
{
    const QString typed = host_.InputBox(QStringLiteral("輸入檔名"), NameTitle);
    if (typed.isEmpty())
        return {};
    const QString problem = filenames::problem(typed, QStringLiteral("map"));
    if (problem.isEmpty())
        return typed;
    host_.MsgBox(QStringLiteral("「%1」不能當作地圖檔名：\r%2").arg(typed, problem), NameTitle);
    return {};
}

void EditorModel::SaveFile_Click()
{
    if (!boardEnabled) {
        host_.MsgBox(QStringLiteral("編輯錯誤\r您還未編輯任何地圖"), QStringLiteral("錯誤"));
        return;
    }
    if (!mapcheck::check(EdBoard).tunnelPaired()) {
        host_.MsgBox(QStringLiteral("編輯錯誤\r若您在地圖上增加了地道圖塊\r則地圖上必須同時擁有\r單一的編號80地道圖塊\r"
                                    "單一的編號81地道圖塊"),
                     QStringLiteral("錯誤訊息"));
        return;
    }
    // Asked about the map as it will be saved, with floor on the start cells.
    Board saved = EdBoard;
    saved(PlayerCol, PlayerRow) = saved(GhostCol, GhostRow) = tiles::Floor;
    const mapcheck::Report report = mapcheck::check(saved);
    if (!report.finishable()) {
        checkedCells = report.cells();
        if (!host_.AskYesNo(QStringLiteral("這張地圖無法過關，仍要儲存嗎？"), CheckTitle))
            return;
    }
    const QString name = askMapName();
    if (name.isEmpty())
        return;
    const Board before = EdBoard;
    for (const auto& [c, r] : {std::pair{PlayerCol, PlayerRow}, std::pair{GhostCol, GhostRow}}) {
        EdBoard(c, r) = tiles::Floor;
        drawCell(c, r);
    }
    if (!(EdBoard == before))
        undo.push(new StartCells(*this, before, EdBoard));
    const QString path = mapPath(name);
    QString why;
    if (!stagemap::write(QFile::encodeName(path).toStdString(), EdBoard, &why)) {
        host_.MsgBox(QStringLiteral("無法儲存地圖檔：\r%1\r\r%2\r原有的檔案沒有改變。").arg(path, why), QStringLiteral("Save"));
        return;
    }
    host_.MsgBox(QStringLiteral("存檔成功!!!"), QStringLiteral("Save"));
}

void EditorModel::CheckMap_Click()
{
    const mapcheck::Report report = mapcheck::check(EdBoard);
    checkedCells = report.cells();
    host_.MsgBox(mapcheck::text(report), CheckTitle);
}

// The board counts as edited from the moment a load starts, cancelled or not.
// A file that cannot be read leaves the board as it was.
void EditorModel::LoadFile_Click()
{
    boardEnabled = true;
    const QString name = askMapName();
    if (name.isEmpty())
        return;
    const QString path = mapPath(name);
    const stagemap::ReadResult r = stagemap::read(QFile::encodeName(path).toStdString());
    if (!r.ok()) {
        host_.MsgBox(QStringLiteral("無法載入地圖檔：\r%1\r\r%2\r\r畫面上的地圖沒有改變。").arg(path, stagemap::problemText(r)),
                     QStringLiteral("Load"));
        return;
    }
    const Board before = EdBoard;
    EdBoard = r.board;
    DrawBoard();
    undo.push(new Load(*this, before, EdBoard));
    host_.MsgBox(QStringLiteral("取出檔案成功!!!"), QStringLiteral("Load"));
}

// The pattern is read anew for every generation. A file that cannot be read
// is reported and nothing changes; lines beyond the tenth are ignored (the
// grid has rows 0..9), so nothing is ever written outside it.
void EditorModel::Command1_Click()
{
    QList<QByteArray> lines;
    if (!basepattern::readOrSay(host_, QStringLiteral("產生迷宮"), &lines))
        return;
    boardEnabled = true;
    text1.clear();
    for (int row = 0; row < std::min<int>(lines.size(), 10); ++row) {
        for (int col = 0; col < basepattern::Size; ++col) {
            BaseMaze[col][row] = static_cast<std::int16_t>(basepattern::cellValue(lines[row], col));
            text1 += QLatin1Char(' ') + QString::number(BaseMaze[col][row]);
        }
        text1 += QStringLiteral("\r\n");
    }
    text1.remove(0, 1);
    // The preview: tile 0 for a ball, tile 1 for a wall, 10 x 10 pixels a cell.
    const TilePictures& pics = TilePictures::forScale(scale_);
    QPainter p(&Maze);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int col = 0; col < basepattern::Size; ++col)
        for (int row = 0; row < basepattern::Size; ++row) {
            const int v = BaseMaze[col][row];
            if (v == 0 || v == 1)
                p.drawImage(QRect(col * 10 * scale_, row * 10 * scale_, 10 * scale_, 10 * scale_), pics.sheet(),
                            pics.pictureOf(static_cast<TileCode>(v)));
        }
    p.end();
    const Board before = EdBoard;
    BuildMaze();
    EdBoard(PlayerCol, PlayerRow) = tiles::Floor;
    EdBoard(GhostCol, GhostRow) = tiles::Floor;
    DrawBoard();
    if (!(EdBoard == before))
        undo.push(new Generate(*this, before, EdBoard));
}

void EditorModel::BuildMaze()
{
    host_.Randomize();
    for (int bx = 0; bx < 4; ++bx)
        for (int by = 0; by < 4; ++by) {
            RotateBase(static_cast<int>(host_.Rnd() * 4) + 1);
            for (int i = 0; i < basepattern::Size; ++i)
                for (int j = 0; j < basepattern::Size; ++j) {
                    // Blocks reach column and row 32; the board ends at 25 and 19.
                    const int c = 8 * bx + i, r = 8 * by + j;
                    if (Board::inside(c, r))
                        EdBoard(c, r) = BaseMaze[i][j] == 1 ? NowCode : TileCode{0};
                }
        }
    for (int c = 0; c < BoardCols; ++c)
        EdBoard(c, 0) = EdBoard(c, BoardRows - 1) = NowCode;
    for (int r = 0; r < BoardRows; ++r)
        EdBoard(0, r) = EdBoard(BoardCols - 1, r) = NowCode;
}

void EditorModel::RotateBase(int n)
{
    for (; n > 0; --n) {
        std::array<std::array<std::int16_t, 10>, 10> scratch{};
        for (int i = 0; i < basepattern::Size; ++i)
            for (int j = 0; j < basepattern::Size; ++j)
                scratch[8 - j][i] = BaseMaze[i][j];
        for (int i = 0; i < basepattern::Size; ++i)
            for (int j = 0; j < basepattern::Size; ++j)
                BaseMaze[i][j] = scratch[i][j];
    }
}
