#pragma once
#include "EditorHost.h"

#include <functional>
#include <random>

class QWidget;

// The editor's host on real windows: message and input boxes over the main window.
class EditorHostQt : public EditorHost {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    // Where map/ is looked for; the program's own folder by default.
    void setAppDir(const QString& dir) { appDir_ = dir; }

    void MsgBox(const QString& text, const QString& title) override;
    bool AskYesNo(const QString& text, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title) override;
    double Rnd() override;
    void Randomize() override;
    QString AppDir() const override;

    // Brings the window in line with the model before a box goes up, so the
    // board behind it shows what was drawn.
    std::function<void()> beforeBox;

private:
    QWidget* parent_ = nullptr;
    std::mt19937 rng_{std::random_device{}()};
    QString appDir_;
};
