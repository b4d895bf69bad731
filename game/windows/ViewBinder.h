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
    void sync(const ViewModel& vm);

private:
    struct Binding {
        QPointer<QObject> target;
        std::uint64_t applied = 0;
    };
    QHash<QString, Binding> bindings_;
    std::uint64_t seen_ = 0;
};
