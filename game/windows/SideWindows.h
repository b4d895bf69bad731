#pragma once
#include "QaForm.h"
#include "ViewBinder.h"

#include <QImage>
#include <QWidget>

#include <memory>

class GameProgram;
class RadarForm;

// The side windows are tool windows of the game window: above it, out of
// the task bar, minimised and restored with it (plain windows under weston,
// whose window manager would not put tool windows beside it).

// The radar window Form3: the board in miniature beside its colour legend.
class RadarWindow : public QWidget {
    Q_OBJECT
public:
    RadarWindow(GameProgram& program, QWidget* gameWindow);
    static constexpr int FixedHeight = 96;
    ~RadarWindow() override;
    const RadarForm& form() const { return *form_; }
    // Drawn at the game window's factor.
    void setFactor(int factor);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    std::unique_ptr<RadarForm> form_;
    class ScaledArea* area_ = nullptr;
    QImage shown_; // the radar as last sent to the screen
};

// The question-and-answer help window Form4: eight topics, one answer at a time.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* gameWindow);
    QaForm& form() { return form_; }
    void setFactor(int factor);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void choose(int k);
    class ScaledArea* area_ = nullptr;
    QaForm form_;
    ViewBinder binder_;
};
