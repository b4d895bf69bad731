#pragma once
#include "EditorHostQt.h"
#include "BaseMazeWindow.h"
#include "EditorModel.h"
#include "TestGame.h"

#include <QMainWindow>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class PaletteStrip;

// The board of the editor: shows the model's picture; a press paints a cell.
class EditorBoard : public QWidget {
    Q_OBJECT
public:
    explicit EditorBoard(EditorModel& model, QWidget* parent = nullptr);
    std::function<void()> onPainted;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    EditorModel& model_;
};

// Tessaly's main window Form1: board, palette strip with its scroll bar, the
// fill tool, the two selected tiles, and the commands.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(const QString& appDir = QString());
    ~EditorWindow() override;
    // "編輯基底圖群": the base-pattern window, created once and shown.
    void openBasePattern();
    BaseMazeWindow* basePattern() const { return basePattern_; }
    EditorModel& model() { return model_; }
    EditorHost& host() { return host_; }
    TestGame& testGame() { return testGame_; }
    // Brings the widgets in line with the model.
    void sync();
    // The window at a whole factor of its natural size.
    QSize sizeAt(int factor) const;
    int factor() const;
    void setFactor(int factor);

private:
    class ScaledArea* area_ = nullptr;
    void run(const std::function<void()>& command);
    void playMap();

    EditorHostQt host_;
    EditorModel model_;
    TestGame testGame_;
    EditorBoard* board_ = nullptr;
    PaletteStrip* strip_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QLabel *nowImg_ = nullptr, *newImg_ = nullptr, *label2_ = nullptr, *label3_ = nullptr;
    QLineEdit *find_ = nullptr, *replacement_ = nullptr;
    QPlainTextEdit* pattern_ = nullptr;
    QLabel* maze_ = nullptr;
    QPointer<BaseMazeWindow> basePattern_;
};
