#pragma once
#include <QString>

#include <cstdint>
#include <functional>
#include <map>

// What one window control shows. Widths are in twips, -1 when not set.
struct ControlState {
    QString text;
    bool hasText = false; // the text was ever set
    bool visible = true;
    bool enabled = true;
    bool checked = false;  // a check mark, or a toolbar button shown pressed
    QString image;         // a toolbar button's image, named like its key
    int width = -1;
    int left = 0, top = 0; // position in twips, for controls that move
    std::uint64_t revision = 0;
};

// Every text, visibility, enabled and checked state, caption and bar width a
// window shows, by control name ("Caption" is the window's own caption). The
// windows bring their widgets in line with it; tests read it as a player would.
class ViewModel {
public:
    const ControlState& operator[](const QString& name) const;
    bool has(const QString& name) const { return controls_.count(name) != 0; }
    // The control's state, which stays at this address for the model's
    // life; null while the control was never set.
    const ControlState* find(const QString& name) const
    {
        const auto it = controls_.find(name);
        return it == controls_.end() ? nullptr : &it->second;
    }

    void setText(const QString& name, const QString& text);
    void setVisible(const QString& name, bool visible);
    void setEnabled(const QString& name, bool enabled);
    void setChecked(const QString& name, bool checked);
    void setImage(const QString& name, const QString& image);
    void setWidth(const QString& name, int twips);
    void setPosition(const QString& name, int leftTwips, int topTwips);

    QString text(const QString& name) const { return (*this)[name].text; }
    bool visible(const QString& name) const { return (*this)[name].visible; }
    bool enabled(const QString& name) const { return (*this)[name].enabled; }
    bool checked(const QString& name) const { return (*this)[name].checked; }
    QString image(const QString& name) const { return (*this)[name].image; }

    // Grows with every change; a window skips its update when this is unchanged.
    std::uint64_t revision() const { return revision_; }
    const std::map<QString, ControlState>& controls() const { return controls_; }

    // Called with any name that is not a declared control (see Controls.h);
    // tests make it a failure. Unset, names are not checked.
    static inline std::function<void(const QString& name)> onUndeclared;
    static void check(const QString& name);

private:
    template <typename T>
    void set(const QString& name, T ControlState::*field, const T& value);

    std::map<QString, ControlState> controls_;
    std::uint64_t revision_ = 0;
};
