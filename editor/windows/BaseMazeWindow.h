#pragma once
#include "BaseMazeForm.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The base-pattern window Cmd: the 9 x 9 grid of wall and ball buttons, load,
// save, all walls, all balls. Modeless beside the main window; closing it
// asks about unsaved changes.
class BaseMazeWindow : public QWidget {
    Q_OBJECT
public:
    explicit BaseMazeWindow(EditorHost& host);
    BaseMazeForm& form() { return form_; }
    void sync();
    // Ended with the program ("離開"): no question.
    void closeQuietly();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    void run(const std::function<void()>& command);

    BaseMazeForm form_;
    std::array<QPushButton*, 81> cells_{};
    QPushButton *load_ = nullptr, *save_ = nullptr, *walls_ = nullptr, *balls_ = nullptr, *focus_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    bool quiet_ = false;
};
