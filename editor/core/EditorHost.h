#pragma once
#include <QString>

// Everything that leaves the editor's model: modal boxes and the program's
// folder. The windows implement it; tests script it.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // Modal message with the exclamation icon and one OK button.
    virtual void MsgBox(const QString& text, const QString& title) = 0;
    // Modal Yes/No question with the exclamation icon; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& title) = 0;
    // Modal one-line input box with an empty field; empty when cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title) = 0;
    // Uniform in [0, 1); Randomize seeds the source from the clock.
    virtual double Rnd() = 0;
    virtual void Randomize() = 0;
    // The folder that holds the program and its map/ folder.
    virtual QString AppDir() const = 0;
};
