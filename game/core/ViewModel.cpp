#include "ViewModel.h"

#include "Controls.h"

void ViewModel::check(const QString& name)
{
    if (onUndeclared && !controls::declared(name))
        onUndeclared(name);
}

const ControlState& ViewModel::operator[](const QString& name) const
{
    check(name);
    static const ControlState none;
    const auto it = controls_.find(name);
    return it == controls_.end() ? none : it->second;
}

template <typename T>
void ViewModel::set(const QString& name, T ControlState::*field, const T& value)
{
    check(name);
    ControlState& c = controls_[name];
    if (c.revision != 0 && c.*field == value)
        return;
    c.*field = value;
    c.revision = ++revision_;
}

void ViewModel::setText(const QString& name, const QString& text)
{
    set(name, &ControlState::text, text);
    controls_[name].hasText = true;
}
void ViewModel::setVisible(const QString& name, bool visible) { set(name, &ControlState::visible, visible); }
void ViewModel::setEnabled(const QString& name, bool enabled) { set(name, &ControlState::enabled, enabled); }
void ViewModel::setChecked(const QString& name, bool checked) { set(name, &ControlState::checked, checked); }
void ViewModel::setImage(const QString& name, const QString& image) { set(name, &ControlState::image, image); }
void ViewModel::setWidth(const QString& name, int twips) { set(name, &ControlState::width, twips); }

void ViewModel::setPosition(const QString& name, int leftTwips, int topTwips)
{
    set(name, &ControlState::left, leftTwips);
    set(name, &ControlState::top, topTwips);
}
