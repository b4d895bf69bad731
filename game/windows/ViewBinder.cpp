#include "ViewBinder.h"

#include "ToolbarIcons.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

void ViewBinder::bind(const QString& control, QObject* target)
{
    ViewModel::check(control);
    bindings_.insert(control, {target, 0});
    seen_ = 0;
}

namespace {

void apply(QObject* target, const QString& control, const ControlState& c)
{
    constexpr int TwipsPerPixel = 15;
    if (auto* action = qobject_cast<QAction*>(target)) {
        if (c.hasText)
            action->setText(c.text);
        if (!c.image.isEmpty())
            action->setIcon(toolbarIcon(c.image));
        action->setVisible(c.visible);
        action->setEnabled(c.enabled);
        if (action->isCheckable())
            action->setChecked(c.checked);
        return;
    }
    auto* w = qobject_cast<QWidget*>(target);
    if (!w)
        return;
    if (control == QLatin1String("Caption")) {
        w->setWindowTitle(c.text); // the window's own state has a control of its own
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // The game separates lines with CR (and CR LF); a label wants LF.
        // Names and file names reach labels too: never read as markup.
        label->setTextFormat(Qt::PlainText);
        if (c.hasText)
            label->setText(QString(c.text).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (c.hasText)
            button->setText(c.text);
        if (button->isCheckable())
            button->setChecked(c.checked);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        if (c.hasText)
            box->setTitle(c.text);
    }
    if (c.width >= 0)
        w->setFixedWidth(c.width / TwipsPerPixel);
    if (!w->isWindow() && w->property("movable").toBool())
        w->move(c.left / TwipsPerPixel, c.top / TwipsPerPixel);
    w->setEnabled(c.enabled);
    if (!w->isWindow())
        w->setVisible(c.visible);
}

} // namespace

void ViewBinder::sync(const ViewModel& vm, bool all)
{
    if (&vm != model_) {
        model_ = &vm;
        for (Binding& b : bindings_)
            b.state = nullptr;
    } else if (vm.revision() == seen_ && !all) {
        return;
    }
    seen_ = vm.revision();
    for (auto it = bindings_.begin(); it != bindings_.end(); ++it) {
        Binding& b = it.value();
        if (!b.target)
            continue;
        if (!b.state)
            b.state = vm.find(it.key());
        if (!b.state || (b.state->revision == b.applied && !all))
            continue;
        b.applied = b.state->revision;
        apply(b.target, it.key(), *b.state);
    }
}
