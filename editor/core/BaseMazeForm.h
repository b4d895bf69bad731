#pragma once
#include "EditorHost.h"

#include <QRgb>
#include <QString>

#include <array>

// The base-pattern window's logic: 81 buttons for the 9 x 9 cells, the
// pattern text as it will be written, and load, toggle, all walls, all
// balls, save and the question on closing.
class BaseMazeForm {
public:
    explicit BaseMazeForm(EditorHost& host);

    struct Button {
        QString tag;     // "1" wall, "0" ball, another digit as read, empty when nothing is loaded
        QString caption; // "牆", "球" or empty
        QRgb colour = 0xffffffff;
        bool enabled = false;
    };
    static constexpr QRgb Wall = 0xffffc8c8, Ball = 0xffc8ffc8, Blank = 0xffffffff;

    void Command1_Click(); // 載入資料
    void Cmd_Click(int k); // a cell: wall and ball swap
    void Command2_Click(); // 修改全部成為牆
    void Command3_Click(); // 修改全部成為球
    void Command4_Click(); // 儲存資料
    // Closing: a loaded pattern that differs from the file asks whether to
    // save. False when the answer was Yes and the save failed: the window
    // stays open with its changes.
    bool Form_Unload();

    bool loaded() const { return Cmd[0].enabled; }

    std::array<Button, 81> Cmd;
    QString Text1;
    bool text1Enabled = false;
    bool command1Enabled = true, command2Enabled = false, command3Enabled = false, command4Enabled = false;

private:
    void show(Button& b);
    void rebuildText();
    void setAll(const QString& tag);
    // Writes the pattern text and a final CR LF, atomically; says so when it cannot.
    bool write();
    QString fileText(bool* ok) const;

    EditorHost& host_;
};
