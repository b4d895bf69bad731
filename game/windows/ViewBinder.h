#pragma once
#include "ViewModel.h"

#include <QHash>
#include <QPointer>
#include <QString>

class QObject;

// Keeps widgets and actions in line with a view model, by control name.
// "Caption" is the bound window's title.
class ViewBinder {
public:
    void bind(const QString& control, QObject* target);
    // Brings the widgets in line with what changed; with `all`, every bound
    // control, as after a widget changed itself (a ticked action).
    void sync(const ViewModel& vm, bool all = false);

private:
    struct Binding {
        QPointer<QObject> target;
        std::uint64_t applied = 0;
        const ControlState* state = nullptr; // found once, not by name on every tick
    };
    QHash<QString, Binding> bindings_;
    std::uint64_t seen_ = 0;
    const ViewModel* model_ = nullptr; // the model the states were found in
};
