#pragma once
#include "Board.h"
#include "EditorHost.h"
#include "Passability.h"

#include <QImage>
#include <QString>
#include <QUndoStack>

#include <vector>

// The editor's board store, the two selected tiles and the board picture,
// with the operations of the main window: picking, painting, filling,
// saving and loading maps.
class EditorModel {
public:
    explicit EditorModel(EditorHost& host, int scale = 1);

    // Mouse buttons as the editor numbers them.
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

    // The palette, group by group: caption and codes column by column.
    struct PaletteGroup {
        const char* caption;
        std::vector<std::vector<TileCode>> columns;
    };
    static const std::vector<PaletteGroup>& palette();
    static bool onPalette(TileCode code);

    // A press on a palette thumbnail: left picks NowCode, right NewCode.
    void pick(int button, TileCode code);
    // A press on the board at (x, y) twips from its top-left corner paints
    // one cell, once the board is enabled.
    void paintAt(int button, double x, double y);
    // Redraws all 520 cells, column by column.
    void DrawBoard();

    // "執行填充": every cell holding the find value gets the replacement.
    void Command2_Click(const QString& find, const QString& replacement);
    // "儲存" and "載入". A map that cannot be finished is saved only when
    // the designer confirms.
    void SaveFile_Click();
    void LoadFile_Click();
    // "檢查地圖": whether the map as it stands can be finished, in a box; the
    // cells concerned are framed until the next change of the board.
    void CheckMap_Click();
    std::vector<passability::Cell> checkedCells;

    // "產生迷宮": a maze of 16 turned copies of the base pattern, walls of the
    // left tile, a wall ring, and floor on the start cells.
    void Command1_Click();
    void BuildMaze();
    // Turns the 9 x 9 pattern n quarter turns clockwise, in place.
    void RotateBase(int n);

    // Every change of the board (a painted cell, a fill, a generation, a
    // load, the start cells a save sets) is one step here; undoing one never
    // touches the enabled state, the selected tiles or any file.
    QUndoStack undo;
    // Puts a whole board on display (for the steps of the undo stack).
    void showBoard(const Board& board);

    // The file a typed name stands for: map/map + name below the program folder.
    QString mapPath(const QString& name) const;

    Board EdBoard;
    TileCode NowCode = 1;
    TileCode NewCode = 0;
    bool boardEnabled = false; // also "the board has been edited"
    QString label2, label3;    // "代碼 k" under the two tiles
    QImage FG;                 // the board as shown, 520 x 400 at the scale
    // The base pattern as the last generation read it (rows 0..9, columns
    // 0..9; the generator uses the 9 x 9 part), its text and its preview.
    std::array<std::array<std::int16_t, 10>, 10> BaseMaze{}; // [column][row]
    QString text1;
    QImage Maze;                // 90 x 90 at the scale
    static QString title();

    // Start cells, set to floor before every save.
    static constexpr int PlayerCol = 1, PlayerRow = 18, GhostCol = 13, GhostRow = 3;

private:
    void drawCell(int col, int row);
    // Asks for a map name; empty when cancelled or refused (with the reason).
    QString askMapName();

    EditorHost& host_;
    int scale_;
};
