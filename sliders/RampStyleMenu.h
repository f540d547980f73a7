#pragma once

#include <QString>
#include <array>
#include <functional>

// The sliders' ramp-style menu: "RGB Spectrum", "Greyscale Ramp", a
// separator and the web-safe toggle, with their check marks, and the ramp
// style they choose (0 spectrum, 1 greyscale). Which ramp picture each
// choice shows: 0 spectrum, 1 greyscale, 2 web-safe spectrum, 3 web-safe grey.
class RampStyleMenu {
public:
    RampStyleMenu();

    int RampStyle() const { return m_rampStyle; }
    bool WebSafe() const { return m_items[3].checked; }
    QString Caption(int i) const { return m_items[static_cast<std::size_t>(i)].caption; }
    bool Checked(int i) const { return m_items[static_cast<std::size_t>(i)].checked; }

    // A stored ramp style: styles outside 0..3 load as the spectrum with
    // web-safe off. Returns the picture to show; the item of that style is
    // checked, so a stored 3 turns web-safe on under its old caption.
    int Load(int rampStyle);
    // Sets the stored style without choosing anything (the property's own
    // field, written before the choice it triggers).
    void setRampStyle(int v) { m_rampStyle = v; }

    // Choosing item index: show(picture) when the choice changes the ramp
    // picture, snapToWebSafe() before the web-safe toggle flips its check.
    void Choose(int index, const std::function<void(int)>& show, const std::function<void()>& snapToWebSafe);

private:
    struct Item {
        QString caption;
        bool checked = false;
    };
    std::array<Item, 4> m_items;
    int m_rampStyle = 0;
};
